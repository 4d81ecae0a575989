#include "buttons/bitpool.h"

#include <bit>

namespace vexo {

void TBitPool::SetSize(int value) {
    if (value < 0)
        value = 0;
    if (value == size_)
        return;
    const std::size_t words = (std::size_t(value) + 31) / 32;
    if (words != words_.size())
        words_.resize(words, 0);
    // Bits past the new end must read as clear when the pool grows again.
    if (value % 32 != 0)
        words_.back() &= (std::uint32_t(1) << (value % 32)) - 1;
    size_ = value;
}

void TBitPool::SetBit(int index, bool value) {
    if (index < 0 || index >= size_)
        return;
    const std::uint32_t bit = std::uint32_t(1) << (index % 32);
    if (value)
        words_[index / 32] |= bit;
    else
        words_[index / 32] &= ~bit;
}

bool TBitPool::GetBit(int index) const {
    if (index < 0 || index >= size_)
        return false;
    return (words_[index / 32] >> (index % 32)) & 1;
}

int TBitPool::OpenBit() const {
    for (std::size_t w = 0; w < words_.size(); ++w) {
        if (words_[w] == 0xFFFFFFFFu)
            continue;
        const int bit = int(w) * 32 + std::countr_one(words_[w]);
        return bit < size_ ? bit : -1;
    }
    return -1;
}

} // namespace vexo
