#include "platform/image/ropengine.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

#include "platform/image/pixelconverter.h"

namespace vexo {

namespace {

// 16 bytes as one value: the compiler maps it onto whatever vector registers the target
// has, without depending on the auto-vectoriser seeing through the loop.
using Block = std::uint64_t __attribute__((vector_size(16)));

// Applies `op` to n bytes, a block at a time while it can. d and s may be the same row.
template <class Op>
inline void ApplyBytes(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* p, std::size_t n,
                       Op op) {
    std::size_t i = 0;
    for (; i + sizeof(Block) <= n; i += sizeof(Block)) {
        Block dv, sv, pv;
        std::memcpy(&dv, d + i, sizeof dv);
        std::memcpy(&sv, s + i, sizeof sv);
        std::memcpy(&pv, p + i, sizeof pv);
        dv = op(pv, sv, dv);
        std::memcpy(d + i, &dv, sizeof dv);
    }
    for (; i < n; ++i)
        d[i] = std::uint8_t(op(std::uint32_t(p[i]), std::uint32_t(s[i]), std::uint32_t(d[i])));
}

// Every element (or the value itself) set to `bits`.
template <class W> inline W Broadcast(std::uint64_t bits) {
    if constexpr (std::is_scalar_v<W>)
        return W(bits);
    else
        return W{} + bits;
}

// c ? a : b, bit by bit.
template <class W> inline W Select(W c, W a, W b) {
    return W(b ^ (c & (a ^ b)));
}

// The truth table as a selection tree over P, S and D; `t[i]` is all ones where bit
// P*4 + S*2 + D = i of the table is set. Branch-free, so it runs on whole words.
template <class W> inline W EvalTable(const W (&t)[8], W p, W s, W d) {
    const W ps1 = Select(s, Select(d, t[7], t[6]), Select(d, t[5], t[4]));
    const W ps0 = Select(s, Select(d, t[3], t[2]), Select(d, t[1], t[0]));
    return Select(p, ps1, ps0);
}

template <class W> inline void TableMasks(unsigned table, W (&t)[8]) {
    for (unsigned i = 0; i < 8; ++i)
        t[i] = ((table >> i) & 1u) ? W(~W(0)) : W(0);
}

template <class W> inline W EvalTable(unsigned table, W p, W s, W d) {
    W t[8];
    TableMasks(table, t);
    return EvalTable(t, p, s, d);
}

using Kernel = void (*)(std::uint8_t*, const std::uint8_t*, const std::uint8_t*, std::size_t,
                        unsigned);

#define VEXO_ROP_KERNEL(name, expr)                                                                \
    void name(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* p, std::size_t n,        \
              unsigned) {                                                                          \
        ApplyBytes(d, s, p, n,                                                                     \
                   []([[maybe_unused]] auto P, [[maybe_unused]] auto S, [[maybe_unused]] auto D) { \
                       return decltype(D)(expr);                                                   \
                   });                                                                             \
    }

// The fifteen program modes (and no-op D) named by their truth tables.
void Blackness(std::uint8_t* d, const std::uint8_t*, const std::uint8_t*, std::size_t n, unsigned) {
    std::memset(d, 0, n);
}
void Whiteness(std::uint8_t* d, const std::uint8_t*, const std::uint8_t*, std::size_t n, unsigned) {
    std::memset(d, 0xFF, n);
}
void PatCopy(std::uint8_t* d, const std::uint8_t*, const std::uint8_t* p, std::size_t n, unsigned) {
    std::memcpy(d, p, n);
}
void SrcCopy(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t*, std::size_t n, unsigned) {
    if (d != s)
        std::memmove(d, s, n);
}
void DstCopy(std::uint8_t*, const std::uint8_t*, const std::uint8_t*, std::size_t, unsigned) {}
VEXO_ROP_KERNEL(DstInvert, ~D)
VEXO_ROP_KERNEL(MergeCopy, P& S)
VEXO_ROP_KERNEL(MergePaint, ~S | D)
VEXO_ROP_KERNEL(NotSrcCopy, ~S)
VEXO_ROP_KERNEL(NotSrcErase, ~(S | D))
VEXO_ROP_KERNEL(PatInvert, P ^ D)
VEXO_ROP_KERNEL(PatPaint, P | ~S | D)
VEXO_ROP_KERNEL(SrcAnd, S& D)
VEXO_ROP_KERNEL(SrcErase, S & ~D)
VEXO_ROP_KERNEL(SrcInvert, S ^ D)
VEXO_ROP_KERNEL(SrcPaint, S | D)

#undef VEXO_ROP_KERNEL

void Generic(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* p, std::size_t n,
             unsigned table) {
    std::uint64_t t[8];
    TableMasks(table, t);
    ApplyBytes(d, s, p, n, [&t](auto P, auto S, auto D) {
        using W = decltype(D);
        const W w[8] = {Broadcast<W>(t[0]), Broadcast<W>(t[1]), Broadcast<W>(t[2]),
                        Broadcast<W>(t[3]), Broadcast<W>(t[4]), Broadcast<W>(t[5]),
                        Broadcast<W>(t[6]), Broadcast<W>(t[7])};
        return EvalTable(w, P, S, D);
    });
}

Kernel KernelFor(unsigned table) {
    switch (table) {
    case 0x00:
        return &Blackness;
    case 0x55:
        return &DstInvert;
    case 0xC0:
        return &MergeCopy;
    case 0xBB:
        return &MergePaint;
    case 0x33:
        return &NotSrcCopy;
    case 0x11:
        return &NotSrcErase;
    case 0xF0:
        return &PatCopy;
    case 0x5A:
        return &PatInvert;
    case 0xFB:
        return &PatPaint;
    case 0x88:
        return &SrcAnd;
    case 0xCC:
        return &SrcCopy;
    case 0x44:
        return &SrcErase;
    case 0x66:
        return &SrcInvert;
    case 0xEE:
        return &SrcPaint;
    case 0xFF:
        return &Whiteness;
    case 0xAA:
        return &DstCopy;
    default:
        return &Generic;
    }
}

} // namespace

struct TRopRowCombiner::Impl {
    TPixelConverter converter;
    int bitCount;
    unsigned table;
    bool usesSource;
    Kernel kernel;
    std::uint32_t patternValue;
    std::vector<std::uint8_t> pattern; // the brush as a destination row, grown on demand
    std::vector<std::uint8_t> converted;

    Impl(const TPixelFormat& target, const TPixelFormat& source, std::uint32_t rop, TColor brush)
        : converter(source, target), bitCount(target.BitCount), table((rop >> 16) & 0xFF),
          usesSource(RopUsesSource(rop)), kernel(KernelFor(table)),
          patternValue(PixelValueOf(target, ColorToRgb(brush & 0xFFFFFFu))) {}

    void EnsurePattern(std::size_t bytes) {
        const std::size_t old = pattern.size();
        if (bytes <= old)
            return;
        pattern.resize(bytes);
        for (std::size_t i = old; i < bytes; ++i) {
            switch (bitCount) {
            case 1:
                pattern[i] = (patternValue & 1u) ? 0xFF : 0x00;
                break;
            case 4:
                pattern[i] = std::uint8_t((patternValue & 0xFu) * 0x11u);
                break;
            case 8:
                pattern[i] = std::uint8_t(patternValue);
                break;
            default: {
                const std::size_t bytesPerPixel = std::size_t(bitCount / 8);
                pattern[i] = std::uint8_t(patternValue >> (8 * (i % bytesPerPixel)));
                break;
            }
            }
        }
    }
};

TRopRowCombiner::TRopRowCombiner(const TPixelFormat& target, const TPixelFormat& source,
                                 std::uint32_t rop, TColor brush)
    : d_(std::make_unique<Impl>(target, source, rop, brush)) {}

TRopRowCombiner::~TRopRowCombiner() = default;
TRopRowCombiner::TRopRowCombiner(TRopRowCombiner&&) noexcept = default;
TRopRowCombiner& TRopRowCombiner::operator=(TRopRowCombiner&&) noexcept = default;

bool TRopRowCombiner::UsesSource() const {
    return d_->usesSource;
}
std::uint32_t TRopRowCombiner::PatternValue() const {
    return d_->patternValue;
}

void TRopRowCombiner::CombineRow(std::uint8_t* dstRow, const std::uint8_t* srcRowOrNull,
                                 int srcPixels, int width) {
    Impl& c = *d_;
    if (dstRow == nullptr || width <= 0)
        return;
    int n = width;
    const std::uint8_t* s = nullptr;
    if (c.usesSource) {
        if (srcRowOrNull == nullptr || srcPixels <= 0)
            return;
        n = std::min(width, srcPixels);
        if (c.converter.IsIdentity()) {
            s = srcRowOrNull;
        } else {
            const std::size_t need = std::size_t(TBitmap::RowBytesFor(n, c.bitCount));
            if (c.converted.size() < need)
                c.converted.resize(need);
            c.converter.ConvertRow(srcRowOrNull, n, c.converted.data());
            s = c.converted.data();
        }
    }
    const std::size_t bits = std::size_t(n) * std::size_t(c.bitCount);
    const std::size_t full = bits / 8;
    const unsigned rest = unsigned(bits % 8);
    c.EnsurePattern(full + 1);
    const std::uint8_t* p = c.pattern.data();
    if (s == nullptr)
        s = p; // the operation ignores S
    c.kernel(dstRow, s, p, full, c.table);
    if (rest != 0) {
        // Pixels are packed from the high bit; the low bits of the last byte stay as they are.
        const std::uint8_t mask = std::uint8_t(0xFF00u >> rest);
        const std::uint8_t r =
            std::uint8_t(EvalTable<std::uint32_t>(c.table, p[full], s[full], dstRow[full]));
        dstRow[full] = std::uint8_t((dstRow[full] & ~mask) | (r & mask));
    }
}

void RopBlt(TBitmap& dst, const TBitmap& src, int width, int height, std::uint32_t rop,
            TColor brush) {
    width = std::min(width, dst.Width());
    height = std::min(height, dst.Height());
    if (width <= 0 || height <= 0)
        return;
    TRopRowCombiner combiner(TPixelFormat::Of(dst), TPixelFormat::Of(src), rop, brush);
    // Take the destination's own copy of shared pixel data before reading source rows, so
    // that a source sharing it (or being the same bitmap) reads what the rows really hold.
    dst.ScanLine(0);
    const int sourceRows = src.Width() > 0 ? src.Height() : 0;
    for (int y = 0; y < height; ++y)
        combiner.CombineRow(dst.ScanLine(y), y < sourceRows ? src.ScanLine(y) : nullptr,
                            src.Width(), width);
}

} // namespace vexo
