#pragma once
// A growable set of bits that records which slots of a glyph list are in use: bit i is bit
// (i mod 32) of word (i div 32).

#include <cstdint>
#include <vector>

#include "vexo/buttons_export.h"

namespace vexo {

class VEXO_BUTTONS_EXPORT TBitPool {
public:
    TBitPool() = default;
    ~TBitPool() { SetSize(0); }

    int Size() const { return size_; }
    // Grows or shrinks to `value` bits (a negative value is 0); bits kept keep their values,
    // new bits are clear.
    void SetSize(int value);
    // The words of the set, none while Size is 0.
    const std::uint32_t* BitWords() const { return words_.empty() ? nullptr : words_.data(); }

    // Bits outside 0 .. Size - 1 read as clear; setting one is ignored.
    void SetBit(int index, bool value);
    bool GetBit(int index) const;
    // The first clear bit, or -1 when every bit is set.
    int OpenBit() const;

private:
    int size_ = 0;
    std::vector<std::uint32_t> words_;
};

} // namespace vexo
