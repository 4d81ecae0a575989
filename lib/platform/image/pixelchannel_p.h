#pragma once
// One colour field of a 16 or 32-bit pixel: narrowing an 8-bit channel into it and widening
// it back to 8 bits. Shared by the pixel converter and the brush colour mapping.

#include <cstdint>

namespace vexo::pixelchannel {

struct Channel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    int Width = 0; // the run of set bits starting at Shift; 0 for an empty mask

    static Channel Of(std::uint32_t mask) {
        Channel c;
        c.Mask = mask;
        if (mask == 0)
            return c;
        while (((mask >> c.Shift) & 1u) == 0)
            ++c.Shift;
        while (c.Shift + c.Width < 32 && ((mask >> (c.Shift + c.Width)) & 1u) != 0)
            ++c.Width;
        return c;
    }
};

// An 8-bit channel placed into the field: truncated to narrower fields, its bits repeated
// to fill wider ones.
inline std::uint32_t Encode(const Channel& c, std::uint32_t value8) {
    if (c.Width == 0)
        return 0;
    std::uint64_t v = 0;
    int filled = 0;
    while (filled < c.Width) {
        v = (v << 8) | (value8 & 0xFF);
        filled += 8;
    }
    v >>= filled - c.Width;
    return std::uint32_t(v << c.Shift);
}

// The field of a raw pixel widened (top bits repeated) or narrowed to 8 bits.
inline std::uint32_t Expand(const Channel& c, std::uint32_t raw) {
    if (c.Width == 0)
        return 0;
    const std::uint32_t v =
        std::uint32_t((std::uint64_t(raw) >> c.Shift) & ((std::uint64_t(1) << c.Width) - 1));
    if (c.Width >= 8)
        return v >> (c.Width - 8);
    std::uint32_t out = 0;
    int filled = 0;
    while (filled < 8) {
        out = (out << c.Width) | v;
        filled += c.Width;
    }
    return (out >> (filled - 8)) & 0xFF;
}

} // namespace vexo::pixelchannel
