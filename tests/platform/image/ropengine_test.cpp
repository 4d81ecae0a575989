#include "platform/image/ropengine.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "platform/image/pixelconverter.h"
#include "platform/runtime/exception.h"

using namespace vexo;

namespace {

// ---- Test formats -------------------------------------------------------------------------

struct Format {
    const char* Name;
    int Bits;
    TBitFields Masks; // explicit masks; all zero keeps the bitmap's default
};

const Format kFormats[] = {
    {"Pal1", 1, {}},
    {"Pal4", 4, {}},
    {"Pal8", 8, {}},
    {"Rgb555", 16, {}},
    {"Rgb565", 16, {0xF800, 0x07E0, 0x001F, 0}},
    {"Rgb444", 16, {0x0F00, 0x00F0, 0x000F, 0}},
    {"Rgb24", 24, {}},
    {"Rgb32", 32, {}},
    {"Bgr32", 32, {0x000000FF, 0x0000FF00, 0x00FF0000, 0}},
};
constexpr int kFormatCount = int(std::size(kFormats));

std::uint32_t RandomColour(std::mt19937& rng) {
    return rng() & 0xFFFFFFu;
}

// A random palette (with a duplicated entry for ties), random bytes everywhere, padding
// included.
TBitmap MakeBitmap(const Format& f, int width, int height, std::mt19937& rng,
                   unsigned paletteSeed = 0) {
    TBitmap b(width, height, f.Bits);
    if (!f.Masks.IsDefault())
        b.SetBitFields(f.Masks);
    if (f.Bits <= 8) {
        // One random palette per depth: the engine keeps search tables per palette.
        std::mt19937 paletteRng(unsigned(f.Bits) + 100 * paletteSeed);
        QVector<std::uint32_t> palette(1 << f.Bits);
        for (auto& e : palette)
            e = RandomColour(paletteRng);
        palette[palette.size() - 1] = palette[0];
        if (f.Bits == 8)
            palette.resize(200); // short palette: higher indices read as black
        b.SetPalette(palette);
    }
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < b.RowBytes(); ++i)
            b.ScanLine(y)[i] = std::uint8_t(rng());
    return b;
}

// ---- Independent per-pixel reference --------------------------------------------------------

int RefNearest(const TBitmap& dst, std::uint32_t rgb) {
    const int count = std::min<int>(int(dst.Palette().size()), 1 << dst.BitCount());
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t e = dst.Palette()[i];
        const long dr = long((e >> 16) & 0xFF) - long((rgb >> 16) & 0xFF);
        const long dg = long((e >> 8) & 0xFF) - long((rgb >> 8) & 0xFF);
        const long db = long(e & 0xFF) - long(rgb & 0xFF);
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

std::uint32_t Field(std::uint32_t mask, std::uint32_t channel8) {
    int shift = 0, width = 0;
    while (mask != 0 && !((mask >> shift) & 1))
        ++shift;
    while (((mask >> (shift + width)) & 1) != 0)
        ++width;
    return width == 0 ? 0 : (channel8 >> (8 - width)) << shift;
}

// A colour as a raw destination value, the way a brush of that colour is.
std::uint32_t RefColourValue(const TBitmap& dst, std::uint32_t rgb) {
    if (dst.IsPaletted())
        return std::uint32_t(RefNearest(dst, rgb));
    if (dst.BitCount() == 24)
        return rgb;
    const TBitFields m = dst.EffectiveBitFields();
    return Field(m.Red, rgb >> 16) | Field(m.Green, (rgb >> 8) & 0xFF) | Field(m.Blue, rgb & 0xFF);
}

std::uint32_t RefSourceValue(const TBitmap& dst, const TBitmap& src, int x, int y) {
    std::uint32_t rgb = src.PixelRgb(x, y);
    if (dst.BitCount() == 8 && src.BitCount() >= 16) {
        std::uint32_t reduced = 0;
        for (int shift = 0; shift < 24; shift += 8)
            reduced |= ((((rgb >> shift) & 0xFF) & ~7u) + 4) << shift;
        rgb = reduced;
    }
    if (!dst.IsPaletted() && dst.BitCount() != 24 && src.BitCount() == dst.BitCount()) {
        const TBitFields a = src.EffectiveBitFields(), b = dst.EffectiveBitFields();
        if (a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue)
            return src.PixelValue(x, y);
    }
    return RefColourValue(dst, rgb);
}

bool RefUsesSource(unsigned table) {
    for (int p = 0; p < 2; ++p)
        for (int d = 0; d < 2; ++d)
            if (((table >> (p * 4 + 2 + d)) & 1) != ((table >> (p * 4 + d)) & 1))
                return true;
    return false;
}

std::uint32_t RefTruthTable(unsigned table, std::uint32_t p, std::uint32_t s, std::uint32_t d,
                            int bits) {
    std::uint32_t r = 0;
    for (int b = 0; b < bits; ++b) {
        const int index = int((p >> b) & 1) * 4 + int((s >> b) & 1) * 2 + int((d >> b) & 1);
        if ((table >> index) & 1)
            r |= 1u << b;
    }
    return r;
}

TBitmap RefBlt(const TBitmap& dst, const TBitmap& src, std::uint32_t rop, TColor brush = clWhite) {
    TBitmap out = dst;
    const unsigned table = (rop >> 16) & 0xFF;
    const bool usesSource = RefUsesSource(table);
    const std::uint32_t brushRgb =
        (std::uint32_t(GetRValue(brush)) << 16) | (GetGValue(brush) << 8) | GetBValue(brush);
    const std::uint32_t p = RefColourValue(dst, brushRgb);
    for (int y = 0; y < dst.Height(); ++y) {
        for (int x = 0; x < dst.Width(); ++x) {
            if (usesSource && (x >= src.Width() || y >= src.Height()))
                continue;
            const std::uint32_t s = usesSource ? RefSourceValue(dst, src, x, y) : 0;
            out.SetPixelValue(x, y,
                              RefTruthTable(table, p, s, dst.PixelValue(x, y), dst.BitCount()));
        }
    }
    return out;
}

// The first differing pixel, for a readable failure.
std::string FirstDifference(const TBitmap& expected, const TBitmap& actual) {
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            if (expected.PixelValue(x, y) != actual.PixelValue(x, y))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + "): expected " +
                       std::to_string(expected.PixelValue(x, y)) + ", got " +
                       std::to_string(actual.PixelValue(x, y));
    return expected.Pixels() == actual.Pixels() ? "none" : "row padding changed";
}

std::string Alnum(const char* text) {
    std::string out;
    for (const char* c = text; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            out += *c;
    return out;
}

// ---- The fifteen named codes, every destination and source format, three source extents
// ----------

// One case per mode, each over every destination format fed from every source format.
class RopModeTest : public testing::TestWithParam<int> {};

TEST_P(RopModeTest, MatchesPerPixelTruthTableForEveryFormatPair) {
    const int mode = GetParam();
    const std::uint32_t rop = NamedRops[mode].Code;
    std::mt19937 rng{unsigned(mode)};
    // Same size, smaller (fewer columns and rows), larger (only its top-left part counts).
    const int sizes[3][2] = {{29, 7}, {17, 4}, {41, 11}};
    for (const Format& to : kFormats) {
        for (const Format& from : kFormats) {
            for (const auto& size : sizes) {
                const TBitmap dst0 = MakeBitmap(to, 29, 7, rng);
                const TBitmap src = MakeBitmap(from, size[0], size[1], rng, 1);
                TBitmap dst = dst0;
                RopBlt(dst, src, dst.Width(), dst.Height(), rop);
                const TBitmap expected = RefBlt(dst0, src, rop);
                EXPECT_EQ(expected.Pixels(), dst.Pixels())
                    << to.Name << " from " << from.Name << " " << size[0] << "x" << size[1] << ": "
                    << FirstDifference(expected, dst);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(NamedCodes, RopModeTest, testing::Range(0, int(NamedRops.size())),
                         [](const testing::TestParamInfo<int>& info) {
                             return Alnum(NamedRops[info.param].Name);
                         });

// ---- Other codes through the generic path, with a coloured brush ----------------------------

class RopGenericCodeTest : public testing::TestWithParam<std::uint32_t> {};

TEST_P(RopGenericCodeTest, MatchesPerPixelTruthTable) {
    const std::uint32_t rop = GetParam();
    std::mt19937 rng(rop);
    const TColor brush = RGB(0x9C, 0x35, 0xE1);
    for (const Format& to : kFormats) {
        for (int srcIndex : {2, 6, 7}) {
            const TBitmap dst0 = MakeBitmap(to, 37, 5, rng);
            const TBitmap src = MakeBitmap(kFormats[srcIndex], 30, 6, rng, 1);
            TBitmap dst = dst0;
            RopBlt(dst, src, 37, 5, rop, brush);
            const TBitmap expected = RefBlt(dst0, src, rop, brush);
            EXPECT_EQ(expected.Pixels(), dst.Pixels())
                << to.Name << " from " << kFormats[srcIndex].Name << ": "
                << FirstDifference(expected, dst);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(OtherCodes, RopGenericCodeTest,
                         testing::Values(0x00AA0029u, 0x00B8074Au, 0x00E20746u, 0x00960000u,
                                         0x00690000u, 0x00010000u, 0x00FE0000u, 0x001B0000u,
                                         0x00E40000u),
                         [](const testing::TestParamInfo<std::uint32_t>& info) {
                             char code[16];
                             std::snprintf(code, sizeof code, "%08X", unsigned(info.param));
                             return std::string(code);
                         });

// Program modes that read P, with a coloured brush: P then differs from all ones.
class RopBrushTest : public testing::TestWithParam<int> {};

TEST_P(RopBrushTest, PatternIsTheBrushInTheDestinationFormat) {
    const int mode = GetParam();
    const TColor brush = RGB(0x40, 0xC0, 0x11);
    std::mt19937 rng{unsigned(mode)};
    for (const Format& to : kFormats) {
        const TBitmap dst0 = MakeBitmap(to, 23, 3, rng);
        const TBitmap src = MakeBitmap(kFormats[6], 23, 3, rng);
        TBitmap dst = dst0;
        RopBlt(dst, src, 23, 3, NamedRops[mode].Code, brush);
        const TBitmap expected = RefBlt(dst0, src, NamedRops[mode].Code, brush);
        EXPECT_EQ(expected.Pixels(), dst.Pixels())
            << to.Name << ": " << FirstDifference(expected, dst);
    }
}

INSTANTIATE_TEST_SUITE_P(PatternModes, RopBrushTest, testing::Values(2, 6, 7, 8),
                         [](const testing::TestParamInfo<int>& info) {
                             return Alnum(NamedRops[info.param].Name);
                         });

// ---- Named behaviours ----------------------------------------------------------------------

TEST(RopEngineDefaults, WhitePatternInEachFormat) {
    const QVector<std::uint32_t> palette = {0x000000, 0xF0F0F0, 0xFFFFFF, 0xFFFFFF};
    EXPECT_EQ(2u,
              TRopRowCombiner(TPixelFormat::Paletted(4, palette), TPixelFormat::Rgb24(), 0x00F00021)
                  .PatternValue());
    EXPECT_EQ(
        0x7FFFu,
        TRopRowCombiner(TPixelFormat::Rgb555(), TPixelFormat::Rgb24(), 0x00F00021).PatternValue());
    EXPECT_EQ(
        0xFFFFu,
        TRopRowCombiner(TPixelFormat::Rgb565(), TPixelFormat::Rgb24(), 0x00F00021).PatternValue());
    EXPECT_EQ(
        0xFFFFFFu,
        TRopRowCombiner(TPixelFormat::Rgb24(), TPixelFormat::Rgb24(), 0x00F00021).PatternValue());
    EXPECT_EQ(
        0x00FFFFFFu,
        TRopRowCombiner(TPixelFormat::Rgb32(), TPixelFormat::Rgb24(), 0x00F00021).PatternValue());
}

TEST(RopEngineBits, DstInvertSetsTheUnusedTopBitOf555) {
    TBitmap dst(3, 1, 16);
    RopBlt(dst, TBitmap(3, 1, 24), 3, 1, 0x00550009);
    EXPECT_EQ(0xFFFFu, dst.PixelValue(0, 0));
    EXPECT_EQ(0xFFFFu, dst.PixelValue(2, 0));
}

TEST(RopEngineBits, BlacknessGivesIndexZeroWhateverItsColour) {
    TBitmap dst(5, 2, 8);
    dst.SetPalette({0xFFFFFF, 0x000000});
    dst.SetPixelValue(1, 1, 1);
    RopBlt(dst, TBitmap(), 5, 2, 0x00000042);
    EXPECT_EQ(0u, dst.PixelValue(1, 1));
    EXPECT_EQ(0xFFFFFFu, dst.PixelRgb(1, 1));
}

TEST(RopEngineBits, SrcCopyKeepsTheSpareByteOnlyFrom32Bits) {
    TBitmap src32(2, 1, 32);
    src32.SetPixelValue(0, 0, 0xAB123456);
    TBitmap dst(2, 1, 32);
    RopBlt(dst, src32, 2, 1, 0x00CC0020);
    EXPECT_EQ(0xAB123456u, dst.PixelValue(0, 0));

    TBitmap src24(2, 1, 24);
    src24.SetPixelValue(0, 0, 0x123456);
    dst.SetPixelValue(0, 0, 0xFFFFFFFF);
    RopBlt(dst, src24, 2, 1, 0x00CC0020);
    EXPECT_EQ(0x00123456u, dst.PixelValue(0, 0));
}

TEST(RopEngineConversion, ChannelReductionOnlyFor8BitFromDirectColour) {
    // (7,7,7) is nearer to grey 10 than to black, but reduced to (4,4,4) it is nearer black.
    const QVector<std::uint32_t> palette = {0x000000, 0x0A0A0A};
    TBitmap src24(1, 1, 24);
    src24.SetPixelValue(0, 0, 0x070707);
    TBitmap src8(1, 1, 8);
    src8.SetPalette({0x070707});

    TBitmap dst8(1, 1, 8);
    dst8.SetPalette(palette);
    dst8.SetPixelValue(0, 0, 1);
    RopBlt(dst8, src24, 1, 1, 0x00CC0020);
    EXPECT_EQ(0u, dst8.PixelValue(0, 0));
    RopBlt(dst8, src8, 1, 1, 0x00CC0020);
    EXPECT_EQ(1u, dst8.PixelValue(0, 0));

    TBitmap dst4(1, 1, 4);
    dst4.SetPalette(palette);
    RopBlt(dst4, src24, 1, 1, 0x00CC0020);
    EXPECT_EQ(1u, dst4.PixelValue(0, 0));
}

TEST(RopEngineConversion, TiesGoToTheLowestIndex) {
    TBitmap dst(1, 1, 8);
    dst.SetPalette({0x000000, 0x202020, 0x606060, 0x404040});
    TBitmap src(1, 1, 8);
    src.SetPalette({0x505050}); // as far from 0x404040 as from 0x606060
    RopBlt(dst, src, 1, 1, 0x00CC0020);
    EXPECT_EQ(2u, dst.PixelValue(0, 0));
}

TEST(RopEngineConversion, TiesAfterTheReductionGoToTheLowestIndex) {
    // Black reduces to (4,4,4): as far from grey 8 as from black.
    TBitmap dst(1, 1, 8);
    dst.SetPalette({0x080808, 0x000000});
    dst.SetPixelValue(0, 0, 1);
    RopBlt(dst, TBitmap(1, 1, 24), 1, 1, 0x00CC0020);
    EXPECT_EQ(0u, dst.PixelValue(0, 0));
}

TEST(RopEngineGeometry, SameBitmapAsSourceAndDestination) {
    std::mt19937 rng(7);
    for (int f = 0; f < kFormatCount; ++f) {
        for (std::uint32_t rop : {0x00CC0020u, 0x00660046u, 0x00330008u, 0x00BB0226u}) {
            TBitmap bmp = MakeBitmap(kFormats[f], 13, 3, rng);
            const TBitmap before = bmp;
            const TBitmap expected = RefBlt(before, before, rop);
            RopBlt(bmp, bmp, 13, 3, rop);
            EXPECT_EQ(expected.Pixels(), bmp.Pixels())
                << kFormats[f].Name << " " << rop << ": " << FirstDifference(expected, bmp);
        }
    }
}

TEST(RopEngineGeometry, SharedPixelDataIsNotChangedThroughTheSource) {
    std::mt19937 rng(8);
    TBitmap src = MakeBitmap(kFormats[6], 9, 4, rng);
    TBitmap dst = src; // shares the pixel buffer until written
    const QByteArray original = src.Pixels();
    RopBlt(dst, src, 9, 4, 0x00550009);
    EXPECT_EQ(original, src.Pixels());
    EXPECT_EQ(RefBlt(src, src, 0x00550009).Pixels(), dst.Pixels());
}

TEST(RopEngineGeometry, RectangleIsClippedToTheDestination) {
    std::mt19937 rng(9);
    const TBitmap dst0 = MakeBitmap(kFormats[1], 11, 5, rng);
    const TBitmap src = MakeBitmap(kFormats[6], 40, 40, rng);
    TBitmap dst = dst0;
    RopBlt(dst, src, 1000, 1000, 0x00660046);
    EXPECT_EQ(RefBlt(dst0, src, 0x00660046).Pixels(), dst.Pixels());
}

TEST(RopEngineGeometry, PartialRectangleLeavesTheRestUnchanged) {
    std::mt19937 rng(10);
    const TBitmap dst0 = MakeBitmap(kFormats[0], 20, 6, rng);
    TBitmap dst = dst0;
    RopBlt(dst, TBitmap(), 5, 2, 0x00550009);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 20; ++x) {
            const std::uint32_t old = dst0.PixelValue(x, y);
            EXPECT_EQ(x < 5 && y < 2 ? (old ^ 1u) : old, dst.PixelValue(x, y)) << x << "," << y;
        }
}

TEST(RopEngineGeometry, EmptyOrNegativeRectangleChangesNothing) {
    std::mt19937 rng(11);
    const TBitmap dst0 = MakeBitmap(kFormats[6], 4, 4, rng);
    TBitmap dst = dst0;
    RopBlt(dst, dst0, 0, 4, 0x00FF0062);
    RopBlt(dst, dst0, 4, -1, 0x00FF0062);
    EXPECT_EQ(dst0.Pixels(), dst.Pixels());
}

TEST(RopEngineGeometry, EmptySourceLeavesSourceOperationsWithoutEffect) {
    std::mt19937 rng(12);
    const TBitmap dst0 = MakeBitmap(kFormats[2], 6, 3, rng);
    TBitmap dst = dst0;
    RopBlt(dst, TBitmap(), 6, 3, 0x00CC0020);
    EXPECT_EQ(dst0.Pixels(), dst.Pixels());
    RopBlt(dst, TBitmap(), 6, 3, 0x00FF0062);
    EXPECT_EQ(RefBlt(dst0, TBitmap(), 0x00FF0062).Pixels(), dst.Pixels());
}

// ---- The row-level pieces for callers that stream rows ------------------------------------

TEST(RopRowCombiner, StreamedRowsMatchTheBitmapTransfer) {
    std::mt19937 rng(13);
    const TBitmap dst0 = MakeBitmap(kFormats[3], 15, 4, rng);
    const TBitmap src = MakeBitmap(kFormats[7], 10, 2, rng);
    TBitmap dst = dst0;
    TRopRowCombiner combiner(TPixelFormat::Of(dst), TPixelFormat::Of(src), 0x00440328);
    EXPECT_TRUE(combiner.UsesSource());
    for (int y = 0; y < dst.Height(); ++y)
        combiner.CombineRow(dst.ScanLine(y), y < src.Height() ? src.ScanLine(y) : nullptr,
                            src.Width(), dst.Width());
    EXPECT_EQ(RefBlt(dst0, src, 0x00440328).Pixels(), dst.Pixels());
}

TEST(PixelConverter, RowsAgreeWithSingleColours) {
    std::mt19937 rng(14);
    QVector<std::uint32_t> words(21);
    for (auto& w : words)
        w = RandomColour(rng);
    for (int f = 0; f < kFormatCount; ++f) {
        TBitmap target = MakeBitmap(kFormats[f], 21, 1, rng);
        TPixelConverter converter(TPixelFormat::Rgb32(), TPixelFormat::Of(target));
        converter.ConvertRow(reinterpret_cast<const std::uint8_t*>(words.constData()), 21,
                             target.ScanLine(0));
        TBitmap source(21, 1, 32);
        std::memcpy(source.ScanLine(0), words.constData(), 21 * 4);
        for (int x = 0; x < 21; ++x) {
            EXPECT_EQ(converter.ConvertColor(words[x]), target.PixelValue(x, 0))
                << kFormats[f].Name << " x=" << x;
            EXPECT_EQ(RefSourceValue(target, source, x, 0), target.PixelValue(x, 0))
                << kFormats[f].Name << " x=" << x;
        }
    }
}

TEST(PixelConverter, IdentityOnlyForTheSameDirectColourLayout) {
    EXPECT_TRUE(TPixelConverter(TPixelFormat::Rgb24(), TPixelFormat::Rgb24()).IsIdentity());
    EXPECT_TRUE(TPixelConverter(TPixelFormat::Rgb555(), TPixelFormat{16, {}, {}}).IsIdentity());
    EXPECT_FALSE(TPixelConverter(TPixelFormat::Rgb555(), TPixelFormat::Rgb565()).IsIdentity());
    EXPECT_FALSE(TPixelConverter(TPixelFormat::Rgb24(), TPixelFormat::Rgb32()).IsIdentity());
    const auto grey = TPixelFormat::Paletted(8, {0x000000, 0xFFFFFF});
    EXPECT_FALSE(TPixelConverter(grey, grey).IsIdentity());
}

TEST(PixelConverter, PartialLastByteHasZeroLowBits) {
    const std::uint8_t white[3 * 3] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    TPixelConverter toMono(TPixelFormat::Rgb24(), TPixelFormat::Paletted(1, {0, 0xFFFFFF}));
    std::uint8_t out[4] = {0xAA, 0xAA, 0xAA, 0xAA};
    toMono.ConvertRow(white, 3, out);
    EXPECT_EQ(0xE0, out[0]);
    EXPECT_EQ(0xAA, out[1]); // nothing beyond ceil(3 bits / 8) bytes
}

TEST(PixelConverter, UnsupportedDepthIsRefused) {
    EXPECT_THROW(TPixelConverter(TPixelFormat{2, {}, {}}, TPixelFormat::Rgb24()), EInvalidGraphic);
    EXPECT_THROW(TRopRowCombiner(TPixelFormat{0, {}, {}}, TPixelFormat::Rgb24(), 0x00CC0020),
                 EInvalidGraphic);
}

TEST(PixelFormat, NearestPaletteIndexOnEmptyAndShortPalettes) {
    EXPECT_EQ(0, NearestPaletteIndex({}, 0, 0xFFFFFF));
    EXPECT_EQ(1, NearestPaletteIndex({0x000000, 0xFFFFFF}, 2, 0xF0F0F0));
    EXPECT_EQ(0, NearestPaletteIndex({0x000000, 0xFFFFFF}, 1, 0xF0F0F0));
    // A palette longer than the depth addresses: only the first 2 entries count for 1 bit.
    const auto mono = TPixelFormat::Paletted(1, {0x000000, 0x808080, 0xFFFFFF});
    EXPECT_EQ(1u, PixelValueOf(mono, 0xFFFFFF));
}

} // namespace
