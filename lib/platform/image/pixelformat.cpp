#include "platform/image/pixelformat.h"

#include "platform/image/pixelchannel_p.h"

namespace vexo {

TBitFields TPixelFormat::EffectiveMasks() const {
    if (!Masks.IsDefault())
        return Masks;
    if (BitCount == 16)
        return TBitFields{0x7C00, 0x03E0, 0x001F, 0};
    if (BitCount == 24 || BitCount == 32)
        return TBitFields{0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    return {};
}

int TPixelFormat::UsablePaletteSize() const {
    if (!IsPaletted())
        return 0;
    const int n = int(Palette.size());
    return n < (1 << BitCount) ? n : (1 << BitCount);
}

TPixelFormat TPixelFormat::Of(const TBitmap& bitmap) {
    TPixelFormat f;
    f.BitCount = bitmap.BitCount();
    if (bitmap.IsPaletted())
        f.Palette = bitmap.Palette();
    else if (f.BitCount != 24)
        f.Masks = bitmap.EffectiveBitFields();
    return f;
}

TPixelFormat TPixelFormat::Paletted(int bitCount, const QVector<std::uint32_t>& palette) {
    TPixelFormat f;
    f.BitCount = bitCount;
    f.Palette = palette;
    return f;
}

TPixelFormat TPixelFormat::Rgb555() {
    return TPixelFormat{16, {}, {0x7C00, 0x03E0, 0x001F, 0}};
}

TPixelFormat TPixelFormat::Rgb565() {
    return TPixelFormat{16, {}, {0xF800, 0x07E0, 0x001F, 0}};
}

TPixelFormat TPixelFormat::Rgb24() {
    return TPixelFormat{24, {}, {}};
}

TPixelFormat TPixelFormat::Rgb32() {
    return TPixelFormat{32, {}, {0x00FF0000, 0x0000FF00, 0x000000FF, 0}};
}

int NearestPaletteIndex(const QVector<std::uint32_t>& palette, int count, std::uint32_t rgb) {
    const int r = int((rgb >> 16) & 0xFF);
    const int g = int((rgb >> 8) & 0xFF);
    const int b = int(rgb & 0xFF);
    int best = 0;
    int bestDistance = 0x7FFFFFFF;
    for (int i = 0; i < count && i < palette.size(); ++i) {
        const std::uint32_t e = palette[i];
        const int dr = int((e >> 16) & 0xFF) - r;
        const int dg = int((e >> 8) & 0xFF) - g;
        const int db = int(e & 0xFF) - b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
            if (distance == 0)
                break;
        }
    }
    return best;
}

std::uint32_t PixelValueOf(const TPixelFormat& format, std::uint32_t rgb) {
    if (format.IsPaletted())
        return std::uint32_t(
            NearestPaletteIndex(format.Palette, format.UsablePaletteSize(), rgb & 0xFFFFFFu));
    if (format.BitCount == 24)
        return rgb & 0xFFFFFFu;
    const TBitFields m = format.EffectiveMasks();
    return pixelchannel::Encode(pixelchannel::Channel::Of(m.Red), (rgb >> 16) & 0xFF) |
           pixelchannel::Encode(pixelchannel::Channel::Of(m.Green), (rgb >> 8) & 0xFF) |
           pixelchannel::Encode(pixelchannel::Channel::Of(m.Blue), rgb & 0xFF);
}

} // namespace vexo
