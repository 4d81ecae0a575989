#include "platform/image/bmpcodec.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>

#include "bmpbuilder.h"
#include "platform/runtime/exception.h"

using namespace vexo;
using bmptest::Build;
using bmptest::Bytes;
using bmptest::Grid;
using bmptest::Pack;
using bmptest::Recipe;

namespace {

void ExpectInvalid(const QByteArray& file) {
    try {
        ReadBmp(file);
        ADD_FAILURE() << "a malformed file was accepted";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Bitmap image is not valid"));
    }
}

::testing::AssertionResult SamePixels(const TBitmap& b, const Grid& g) {
    if (b.Width() != g.width || b.Height() != g.height)
        return ::testing::AssertionFailure() << "size " << b.Width() << "x" << b.Height()
                                             << " instead of " << g.width << "x" << g.height;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (b.PixelValue(x, y) != g.At(x, y))
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << " is " << b.PixelValue(x, y) << ", expected "
                       << g.At(x, y);
    return ::testing::AssertionSuccess();
}

QVector<std::uint32_t> ToQVector(const std::vector<std::uint32_t>& v) {
    return QVector<std::uint32_t>(v.begin(), v.end());
}

// The file WriteBmp must produce for these pixels: 40-byte header (masks after it), bottom-up.
Recipe Canonical(const Grid& g, int bitCount, std::vector<std::uint32_t> palette,
                 std::vector<std::uint32_t> masks = {}) {
    Recipe s;
    s.width = g.width;
    s.height = g.height;
    s.bitCount = bitCount;
    s.compression = masks.empty() ? 0 : 3;
    s.palette = std::move(palette);
    s.masks = std::move(masks);
    s.pixels = Pack(g, bitCount, false);
    return s;
}

// ---- Uncompressed pictures of every depth ----------------------------------------------

struct DepthCase {
    int bitCount;
    int width;
    bool topDown;
};

class UncompressedDepth : public ::testing::TestWithParam<DepthCase> {};

TEST_P(UncompressedDepth, ReadsPixelsAndPaletteAndWritesTheCanonicalFile) {
    const DepthCase c = GetParam();
    const int height = 5;
    const std::uint64_t limit = c.bitCount == 32 ? 0x100000000ull : (1ull << c.bitCount);
    const Grid g =
        bmptest::RandomGrid(c.width, height, limit, std::uint64_t(c.width * 100 + c.bitCount));
    std::vector<std::uint32_t> palette;
    if (c.bitCount <= 8)
        palette = bmptest::RandomPalette(1 << c.bitCount, std::uint64_t(c.bitCount));
    Recipe s;
    s.width = c.width;
    s.height = c.topDown ? -height : height;
    s.bitCount = c.bitCount;
    s.palette = palette;
    s.pixels = Pack(g, c.bitCount, c.topDown);

    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.BitCount(), c.bitCount);
    EXPECT_EQ(b.Palette(), ToQVector(palette));
    EXPECT_TRUE(b.BitFields().IsDefault());
    EXPECT_TRUE(SamePixels(b, g));

    // Written uncompressed and bottom-up whatever the input direction.
    const QByteArray written = WriteBmp(b);
    EXPECT_EQ(written, Build(Canonical(g, c.bitCount, palette)));
    EXPECT_EQ(ReadBmp(written), b);
}

std::vector<DepthCase> DepthCases() {
    std::vector<DepthCase> cases;
    for (int bits : {1, 4, 8, 16, 24, 32})
        for (int width : {1, 3, 5, 8, 13, 33})
            for (bool topDown : {false, true})
                cases.push_back({bits, width, topDown});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllDepths, UncompressedDepth, ::testing::ValuesIn(DepthCases()),
                         [](const auto& info) {
                             return std::to_string(info.param.bitCount) + "bpp_w" +
                                    std::to_string(info.param.width) +
                                    (info.param.topDown ? "_topdown" : "_bottomup");
                         });

TEST(BmpRead, EmptyPicturesRoundTrip) {
    for (const auto& [width, height] : {std::pair{0, 0}, std::pair{4, 0}, std::pair{0, 3}}) {
        const TBitmap empty(width, height, 8);
        const TBitmap again = ReadBmp(WriteBmp(empty));
        EXPECT_EQ(again, empty) << width << "x" << height;
    }
}

TEST(BmpRead, PaddingBytesAreNotKept) {
    // A 1-pixel 24-bit row has one padding byte; garbage there must not reach the bitmap.
    Recipe s;
    s.width = 1;
    s.height = 1;
    s.pixels = Bytes({0x11, 0x22, 0x33, 0xEE});
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.PixelValue(0, 0), 0x332211u);
    EXPECT_EQ(b.ScanLine(0)[3], 0);
}

// ---- Bit fields --------------------------------------------------------------------------

TEST(BmpBitFields, Rgb565AfterInfoHeaderRoundTrips) {
    const Grid g{3, 2, {0xF800, 0x07E0, 0x001F, 0xFFFF, 0x0000, 0x8410}};
    const Recipe s = Canonical(g, 16, {}, {0xF800, 0x07E0, 0x001F});
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.BitFields(), (TBitFields{0xF800, 0x07E0, 0x001F, 0}));
    EXPECT_EQ(b.PixelRgb(0, 0), 0xFF0000u);
    EXPECT_EQ(b.PixelRgb(1, 0), 0x00FF00u);
    EXPECT_EQ(b.PixelRgb(2, 0), 0x0000FFu);
    EXPECT_TRUE(SamePixels(b, g));
    EXPECT_EQ(WriteBmp(b), Build(s));
}

TEST(BmpBitFields, Rgb555AsBitFieldsStaysBitFields) {
    const Grid g{2, 2, {0x7C00, 0x03E0, 0x001F, 0x8000}};
    const Recipe s = Canonical(g, 16, {}, {0x7C00, 0x03E0, 0x001F});
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_FALSE(b.BitFields().IsDefault());
    EXPECT_EQ(WriteBmp(b), Build(s));
}

TEST(BmpBitFields, MasksInsideV2HeaderAreRead) {
    const Grid g{2, 1, {0xF800, 0x001F}};
    Recipe s = Canonical(g, 16, {}, {0xF800, 0x07E0, 0x001F});
    s.headerSize = 52;
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.BitFields(), (TBitFields{0xF800, 0x07E0, 0x001F, 0}));
    EXPECT_TRUE(SamePixels(b, g));
    // Written back with the 40-byte header and the masks after it.
    EXPECT_EQ(WriteBmp(b), Build(Canonical(g, 16, {}, {0xF800, 0x07E0, 0x001F})));
}

TEST(BmpBitFields, AlphaMaskOfV3HeaderIsKept) {
    const Grid g{2, 2, {0xF00F, 0x0F00, 0x00F0, 0x1234}};
    Recipe s = Canonical(g, 16, {}, {0x0F00, 0x00F0, 0x000F, 0xF000});
    s.headerSize = 56;
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.BitFields(), (TBitFields{0x0F00, 0x00F0, 0x000F, 0xF000}));
    EXPECT_TRUE(SamePixels(b, g));
    const QByteArray written = WriteBmp(b);
    const TBmpLayout layout = ParseBmpHeader(
        reinterpret_cast<const std::uint8_t*>(written.constData()), std::size_t(written.size()));
    EXPECT_EQ(layout.HeaderSize, 108);
    EXPECT_EQ(layout.Compression, TBmpCompression::BitFields);
    EXPECT_EQ(ReadBmp(written), b);
}

TEST(BmpBitFields, Argb32FromV5HeaderRoundTrips) {
    const Grid g{3, 2, {0x80FF0000, 0xFF00FF00, 0x000000FF, 0x12345678, 0, 0xFFFFFFFF}};
    Recipe s = Canonical(g, 32, {}, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000});
    s.headerSize = 124;
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.BitFields().Alpha, 0xFF000000u);
    EXPECT_TRUE(SamePixels(b, g));
    Recipe expected = s;
    expected.headerSize = 108;
    EXPECT_EQ(WriteBmp(b), Build(expected));
}

TEST(BmpBitFields, AlphaBitFieldsCompressionReadsFourMasks) {
    const Grid g{1, 1, {0xAABBCCDD}};
    Recipe s = Canonical(g, 32, {}, {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF});
    s.compression = 6;
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.BitFields(), (TBitFields{0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF}));
    EXPECT_EQ(b.PixelRgb(0, 0), 0xCCBBAAu);
    EXPECT_EQ(ReadBmp(WriteBmp(b)), b);
}

TEST(BmpBitFields, Explicit888MasksAt32BitsRoundTrip) {
    const Grid g{2, 1, {0x00102030, 0xFF405060}};
    const Recipe s = Canonical(g, 32, {}, {0xFF0000, 0xFF00, 0xFF});
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(WriteBmp(b), Build(s));
}

TEST(BmpBitFields, MasksOfV5HeaderAreIgnoredForBiRgb) {
    const Grid g{1, 1, {0x00ABCDEF}};
    Recipe s = Canonical(g, 32, {});
    s.headerSize = 124;
    s.masks = {0xFF, 0xFF00, 0xFF0000, 0xFF000000}; // present but not in force
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_TRUE(b.BitFields().IsDefault());
    EXPECT_EQ(WriteBmp(b), Build(Canonical(g, 32, {})));
}

// ---- Headers and palettes -----------------------------------------------------------------

TEST(BmpHeaders, CoreHeaderWithThreeBytePaletteIsRead) {
    const Grid g = bmptest::RandomGrid(7, 3, 16, 5);
    const auto palette = bmptest::RandomPalette(16, 6);
    Recipe s;
    s.headerSize = 12;
    s.width = 7;
    s.height = 3;
    s.bitCount = 4;
    s.palette = palette;
    s.pixels = Pack(g, 4, false);
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.Palette(), ToQVector(palette));
    EXPECT_TRUE(SamePixels(b, g));
    EXPECT_EQ(WriteBmp(b), Build(Canonical(g, 4, palette)));
}

TEST(BmpHeaders, V4AndV5HeadersAreRead) {
    const Grid g = bmptest::RandomGrid(4, 2, 1u << 24, 8);
    for (int headerSize : {108, 124}) {
        Recipe s = Canonical(g, 24, {});
        s.headerSize = headerSize;
        const TBitmap b = ReadBmp(Build(s));
        EXPECT_TRUE(SamePixels(b, g)) << headerSize;
    }
}

TEST(BmpPalette, ShortPaletteFromColoursUsedIsKept) {
    const Grid g = bmptest::RandomGrid(5, 4, 3, 9);
    const auto palette = bmptest::RandomPalette(3, 10);
    const Recipe s = Canonical(g, 8, palette);
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.Palette().size(), 3);
    EXPECT_TRUE(SamePixels(b, g));
    EXPECT_EQ(WriteBmp(b), Build(s));
}

TEST(BmpPalette, PaletteCutShortByThePixelOffsetKeepsWhatFits) {
    const Grid g = bmptest::RandomGrid(4, 2, 2, 11);
    Recipe s = Canonical(g, 8, bmptest::RandomPalette(2, 12));
    s.clrUsed = 0; // claims 256 entries, but the pixels start after two
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.Palette().size(), 2);
    EXPECT_TRUE(SamePixels(b, g));
}

TEST(BmpPalette, ColoursUsedBeyondTheDepthIsCapped) {
    const Grid g{2, 1, {0, 1}};
    Recipe s = Canonical(g, 1, bmptest::RandomPalette(2, 13));
    s.clrUsed = 1000;
    EXPECT_EQ(ReadBmp(Build(s)).Palette().size(), 2);
}

TEST(BmpPalette, PaddingNibbleBeyondThePaletteIsNotAPixel) {
    Recipe s;
    s.width = 1;
    s.height = 1;
    s.bitCount = 4;
    s.palette = {0x000000, 0xFFFFFF};
    s.pixels = Bytes({0x1F, 0xFF, 0xFF, 0xFF}); // pixel 1; the rest is padding
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.PixelValue(0, 0), 1u);
}

TEST(BmpPalette, SixteenBitColourTableIsSkipped) {
    const Grid g{2, 1, {0x7FFF, 0x0001}};
    Recipe s = Canonical(g, 16, {});
    s.palette = {0x112233, 0x445566}; // an optional colour table before the pixels
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_TRUE(b.Palette().isEmpty());
    EXPECT_TRUE(SamePixels(b, g));
}

// ---- RLE ------------------------------------------------------------------------------------

Recipe RleSpec(int width, int height, int bitCount, QByteArray stream) {
    Recipe s;
    s.width = width;
    s.height = height;
    s.bitCount = bitCount;
    s.compression = bitCount == 8 ? 1 : 2;
    s.palette = bmptest::RandomPalette(bitCount == 8 ? 10 : 16, 21);
    s.pixels = std::move(stream);
    return s;
}

const QByteArray kRle8Stream = Bytes({
    0x03, 0x01,                         // bottom row: 1 1 1
    0x00, 0x03, 0x02, 0x03, 0x04, 0x00, // absolute 2 3 4, padded
    0x00, 0x00,                         // end of line
    0x00, 0x02, 0x05, 0x01,             // delta right 5, up 1: the second row stays 0
    0x02, 0x05,                         // 5 5
    0x00, 0x00,                         // end of line
    0x00, 0x04, 0x06, 0x07, 0x08, 0x09, // absolute 6 7 8 9, no padding needed
    0x00, 0x01,                         // end of bitmap
});

const Grid kRle8Pixels{8, 4, {6, 7, 8, 9, 0, 0, 0, 0, //
                              0, 0, 0, 0, 0, 5, 5, 0, //
                              0, 0, 0, 0, 0, 0, 0, 0, //
                              1, 1, 1, 2, 3, 4, 0, 0}};

TEST(BmpRle, Rle8RunsAbsoluteRunsDeltaAndEscapes) {
    const Recipe s = RleSpec(8, 4, 8, kRle8Stream);
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.BitCount(), 8);
    EXPECT_TRUE(SamePixels(b, kRle8Pixels));
    // Written uncompressed at 8 bits with the same palette.
    EXPECT_EQ(WriteBmp(b), Build(Canonical(kRle8Pixels, 8, s.palette)));
}

TEST(BmpRle, Rle4RunsAlternateNibblesAndAbsoluteRunsPad) {
    const QByteArray stream = Bytes({
        0x04, 0x12,             // 1 2 1 2
        0x00, 0x03, 0x13, 0x40, // absolute 1 3 4
        0x00, 0x00,             // end of line
        0x00, 0x03, 0x56, 0x70, // absolute 5 6 7
        0x00, 0x02, 0x01, 0x00, // delta right 1
        0x03, 0x89,             // 8 9 8
        0x00, 0x01,             // end of bitmap
    });
    const Grid expected{7,
                        2,
                        {5, 6, 7, 0, 8, 9, 8, //
                         1, 2, 1, 2, 1, 3, 4}};
    const Recipe s = RleSpec(7, 2, 4, stream);
    const TBitmap b = ReadBmp(Build(s));
    EXPECT_EQ(b.BitCount(), 4);
    EXPECT_TRUE(SamePixels(b, expected));
    EXPECT_EQ(WriteBmp(b), Build(Canonical(expected, 4, s.palette)));
}

TEST(BmpRle, StreamClosedByEndOfLineOnTheTopRowNeedsNoEndOfBitmap) {
    const TBitmap b = ReadBmp(Build(RleSpec(2, 1, 8, Bytes({0x02, 0x03, 0x00, 0x00}))));
    EXPECT_TRUE(SamePixels(b, Grid{2, 1, {3, 3}}));
}

TEST(BmpRle, BytesAfterEndOfBitmapAreIgnored) {
    const Recipe s = RleSpec(8, 4, 8, kRle8Stream + Bytes({0x05, 0x01, 0x00}));
    EXPECT_TRUE(SamePixels(ReadBmp(Build(s)), kRle8Pixels));
}

// ---- Malformed files ------------------------------------------------------------------------

Recipe Valid8() {
    const Grid g = bmptest::RandomGrid(5, 3, 4, 31);
    return Canonical(g, 8, bmptest::RandomPalette(4, 32));
}

QByteArray Patched(QByteArray file, std::size_t at, std::uint32_t value, int bytes = 4) {
    bmptest::Put(file, at, value, bytes);
    return file;
}

QByteArray Rle8(QByteArray stream, int width = 4, int height = 2) {
    return Build(RleSpec(width, height, 8, std::move(stream)));
}

struct MalformedCase {
    const char* name;
    std::function<QByteArray()> make;
};

const std::vector<MalformedCase>& MalformedCases() {
    static const std::vector<MalformedCase> cases = {
        {"Empty", [] { return QByteArray(); }},
        {"NoSignature", [] { return Patched(Build(Valid8()), 0, 'X', 1); }},
        {"OnlyFileHeader", [] { return Build(Valid8()).left(14); }},
        {"HeaderCutShort", [] { return Build(Valid8()).left(40); }},
        {"HeaderSizeZero", [] { return Patched(Build(Valid8()), 14, 0); }},
        // Read as an OS/2 2.x header, it would reach over the palette and the pixel offset.
        {"HeaderSizeGrownOverThePalette", [] { return Patched(Build(Valid8()), 14, 64); }},
        {"HeaderSizeHuge", [] { return Patched(Build(Valid8()), 14, 0xFFFFFFF0u); }},
        {"NegativeWidth", [] { return Patched(Build(Valid8()), 18, std::uint32_t(-5)); }},
        {"WidthBeyondLimit", [] { return Patched(Build(Valid8()), 18, 65537); }},
        {"HeightBeyondLimit", [] { return Patched(Build(Valid8()), 22, 65537); }},
        {"TopDownHeightBeyondLimit",
         [] { return Patched(Build(Valid8()), 22, std::uint32_t(-65537)); }},
        {"HeightMostNegative", [] { return Patched(Build(Valid8()), 22, std::uint32_t(INT_MIN)); }},
        {"PixelBytesBeyondLimit",
         [] {
             Recipe s;
             s.width = 65536;
             s.height = 65536;
             s.bitCount = 32;
             return Build(s);
         }},
        {"OffsetInsideHeaders", [] { return Patched(Build(Valid8()), 10, 30); }},
        {"OffsetBeyondFile",
         [] {
             const QByteArray f = Build(Valid8());
             return Patched(f, 10, std::uint32_t(f.size() + 1));
         }},
        {"PixelsTruncated", [] { return Build(Valid8()).chopped(1); }},
        {"BitCountZero", [] { return Patched(Build(Valid8()), 28, 0, 2); }},
        {"BitCountTwoIndexBeyondPalette",
         [] {
             Recipe s = Valid8();
             s.palette.resize(3);
             s.pixels[0] = 0x03; // as 2-bit pixels: index 3 of a 3-entry palette
             return Patched(Build(s), 28, 2, 2);
         }},
        {"BitCount64", [] { return Patched(Build(Valid8()), 28, 64, 2); }},
        {"Rle8AtFourBits", [] { return Patched(Patched(Build(Valid8()), 28, 4, 2), 30, 1); }},
        {"Rle4AtEightBits", [] { return Patched(Build(Valid8()), 30, 2); }},
        {"BitFieldsAtEightBits", [] { return Patched(Build(Valid8()), 30, 3); }},
        {"BitFieldsAt24Bits",
         [] {
             return Build(Canonical(Grid{1, 1, {0}}, 24, {}, {0xFF0000, 0xFF00, 0xFF}));
         }},
        {"JpegStreamDamaged", [] { return Patched(Build(Valid8()), 30, 4); }},
        {"PngStreamDamaged", [] { return Patched(Build(Valid8()), 30, 5); }},
        {"Rle24CodeInAWindowsHeader", [] { return Patched(Build(Valid8()), 30, 0x104); }},
        {"CompressionUnknown", [] { return Patched(Build(Valid8()), 30, 7); }},
        {"TopDownRle",
         [] {
             return Build(RleSpec(2, -1, 8, Bytes({0x02, 0x01, 0x00, 0x01})));
         }},
        {"MaskZero",
         [] {
             return Build(Canonical(Grid{1, 1, {0}}, 16, {}, {0, 0x3E0, 0x1F}));
         }},
        {"AllMasksZero",
         [] {
             return Build(Canonical(Grid{1, 1, {0}}, 16, {}, {0, 0, 0}));
         }},
        {"MaskNotContiguous",
         [] {
             return Build(Canonical(Grid{1, 1, {0}}, 16, {}, {0x7C01, 0x3E0, 0x1C}));
         }},
        {"MasksOverlap",
         [] {
             return Build(Canonical(Grid{1, 1, {0}}, 16, {}, {0x7C00, 0x7E0, 0x1F}));
         }},
        {"MaskBeyondSixteenBits",
         [] {
             return Build(Canonical(Grid{1, 1, {0}}, 16, {}, {0x1F0000, 0x7E0, 0x1F}));
         }},
        {"AlphaMaskNotContiguous",
         [] {
             Recipe s = Canonical(Grid{1, 1, {0}}, 32, {}, {0xFF0000, 0xFF00, 0xFF, 0x81000000});
             s.compression = 6;
             return Build(s);
         }},
        {"MasksTruncated",
         [] {
             Recipe s = Canonical(Grid{0, 0, {}}, 16, {}, {0xF800, 0x7E0});
             s.offBits = 14 + 40 + 8;
             return Build(s);
         }},
        {"NoPaletteForPalettedPixels",
         [] {
             Recipe s = Valid8();
             s.palette.clear();
             s.clrUsed = 0;
             return Build(s);
         }},
        {"IndexBeyondPalette8",
         [] {
             Recipe s = Valid8();
             s.pixels[3] = 4; // bottom row, x = 3; the palette has 4 entries
             return Build(s);
         }},
        {"IndexBeyondPalette4",
         [] {
             Recipe s = Canonical(Grid{3, 1, {0, 1, 2}}, 4, {0, 0xFFFFFF, 0x808080});
             s.pixels[1] = char(0x30); // pixel 2 becomes index 3
             return Build(s);
         }},
        {"IndexBeyondPalette1",
         [] {
             return Build(Canonical(Grid{3, 1, {0, 0, 1}}, 1, {0x123456}));
         }},
        {"RleRunPastRow",
         [] {
             return Rle8(Bytes({0x05, 0x01, 0x00, 0x01}));
         }},
        {"RleRunsAddUpPastRow",
         [] {
             return Rle8(Bytes({0x03, 0x01, 0x02, 0x01, 0x00, 0x01}));
         }},
        {"RleAbsolutePastRow",
         [] {
             return Rle8(Bytes({0x02, 0x01, 0x00, 0x03, 1, 1, 1, 0, 0x00, 0x01}));
         }},
        {"RleDeltaPastRight",
         [] {
             return Rle8(Bytes({0x00, 0x02, 0x05, 0x00, 0x00, 0x01}));
         }},
        {"RleDeltaPastTop",
         [] {
             return Rle8(Bytes({0x00, 0x02, 0x00, 0x03, 0x00, 0x01}));
         }},
        {"RleEndOfLinePastTop",
         [] {
             return Rle8(Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}));
         }},
        {"RleRunAfterTheTopRow",
         [] {
             return Rle8(Bytes({0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x01}));
         }},
        {"RleTruncatedAbsoluteRun",
         [] {
             return Rle8(Bytes({0x00, 0x04, 1, 1, 1}));
         }},
        {"RleTruncatedDelta",
         [] {
             return Rle8(Bytes({0x00, 0x02, 0x01}));
         }},
        {"RleOddByteAtEnd",
         [] {
             return Rle8(Bytes({0x02, 0x01, 0x00}));
         }},
        {"RleMissingEndOfBitmap",
         [] {
             return Rle8(Bytes({0x02, 0x01, 0x00, 0x00, 0x01, 0x01}));
         }},
        {"RleEmptyStream", [] { return Rle8(QByteArray()); }},
        {"RleRunIndexBeyondPalette",
         [] {
             return Rle8(Bytes({0x02, 0x0A, 0x00, 0x01}));
         }},
        {"RleAbsoluteIndexBeyondPalette",
         [] {
             return Rle8(Bytes({0x00, 0x03, 1, 0x0C, 1, 0, 0x00, 0x01}));
         }},
        {"Rle4LowNibbleBeyondPalette",
         [] {
             Recipe s = RleSpec(4, 1, 4, Bytes({0x02, 0x1E, 0x00, 0x01}));
             s.palette.resize(14);
             return Build(s);
         }},
        {"Rle4RunPastRow",
         [] {
             return Build(RleSpec(3, 1, 4, Bytes({0x04, 0x11, 0x00, 0x01})));
         }},
    };
    return cases;
}

class MalformedBmp : public ::testing::TestWithParam<std::size_t> {};

TEST_P(MalformedBmp, IsRefusedAsNotValid) {
    ExpectInvalid(MalformedCases()[GetParam()].make());
}

INSTANTIATE_TEST_SUITE_P(Classes, MalformedBmp,
                         ::testing::Range<std::size_t>(0, MalformedCases().size()),
                         [](const auto& info) {
                             return std::string(MalformedCases()[info.param].name);
                         });

TEST(MalformedBmpTruncation, EveryPrefixOfAnUncompressedFileIsRefused) {
    const QByteArray file = Build(Valid8());
    for (qsizetype n = 0; n < file.size(); ++n)
        ExpectInvalid(file.left(n));
}

TEST(MalformedBmpTruncation, EveryPrefixOfAnRleFileIsRefused) {
    const QByteArray file = Build(RleSpec(8, 4, 8, kRle8Stream));
    for (qsizetype n = 0; n < file.size(); ++n)
        ExpectInvalid(file.left(n));
}

TEST(MalformedBmpTruncation, SizeImageCuttingTheStreamIsRefused) {
    Recipe s = RleSpec(8, 4, 8, kRle8Stream);
    s.sizeImage = std::uint32_t(kRle8Stream.size() - 2);
    ExpectInvalid(Build(s));
}

// ---- The streaming interface ------------------------------------------------------------

const std::uint8_t* Data(const QByteArray& b) {
    return reinterpret_cast<const std::uint8_t*>(b.constData());
}

TEST(BmpStreaming, HeaderLayoutDescribesTheFile) {
    const Grid g = bmptest::RandomGrid(5, 3, 1u << 24, 41);
    Recipe s = Canonical(g, 24, {});
    s.offBits = 60; // a gap after the headers
    const QByteArray file = Build(s);
    const TBmpLayout layout = ParseBmpHeader(Data(file), std::size_t(file.size()));
    EXPECT_EQ(layout.Width, 5);
    EXPECT_EQ(layout.Height, 3);
    EXPECT_EQ(layout.BitCount, 24);
    EXPECT_EQ(layout.Compression, TBmpCompression::Rgb);
    EXPECT_FALSE(layout.TopDown);
    EXPECT_EQ(layout.HeaderSize, 40);
    EXPECT_EQ(layout.PixelOffset, 60u);
    EXPECT_EQ(layout.Stride, 16u);
    EXPECT_EQ(layout.PixelBytes, 48u);
    EXPECT_FALSE(layout.IsCompressed());
    EXPECT_FALSE(layout.NeedsIndexCheck());
}

TEST(BmpStreaming, RowsPointIntoTheDataTopRowFirst) {
    const Grid g = bmptest::RandomGrid(5, 3, 1u << 24, 42);
    for (bool topDown : {false, true}) {
        Recipe s = Canonical(g, 24, {});
        s.pixels = Pack(g, 24, topDown);
        if (topDown)
            s.height = -3;
        const QByteArray file = Build(s);
        const TBmpLayout layout = ParseBmpHeader(Data(file), std::size_t(file.size()));
        EXPECT_EQ(BmpRow(Data(file), layout, 0), Data(file) + 54 + (topDown ? 0 : 32));
        for (int y = 0; y < 3; ++y) {
            const std::uint8_t* row = BmpRow(Data(file), layout, y);
            EXPECT_EQ(std::uint32_t(row[0] | (row[1] << 8) | (row[2] << 16)), g.At(0, y));
        }
    }
}

TEST(BmpStreaming, HeaderParsingLeavesPaletteIndicesToTheRowCheck) {
    Recipe s = Valid8();
    s.pixels[0] = 9; // bottom row, beyond the 4-entry palette
    const QByteArray file = Build(s);
    const TBmpLayout layout = ParseBmpHeader(Data(file), std::size_t(file.size()));
    EXPECT_TRUE(layout.NeedsIndexCheck());
    EXPECT_TRUE(BmpRowInPalette(layout, BmpRow(Data(file), layout, 0)));
    EXPECT_FALSE(BmpRowInPalette(layout, BmpRow(Data(file), layout, 2)));
    EXPECT_THROW(DecodeBmp(Data(file), std::size_t(file.size()), layout), EInvalidGraphic);
}

TEST(BmpStreaming, HeaderWriterGivesTheBytesBeforeTheRows) {
    const Grid g = bmptest::RandomGrid(6, 4, 16, 43);
    const auto palette = bmptest::RandomPalette(16, 44);
    const TBitmap b = ReadBmp(Build(Canonical(g, 4, palette)));
    const QByteArray header = WriteBmpHeader(b);
    const QByteArray file = WriteBmp(b);
    EXPECT_EQ(header.size() + b.RowBytes() * b.Height(), file.size());
    EXPECT_TRUE(file.startsWith(header));
    EXPECT_EQ(WriteBmpHeader(6, 4, 4, b.Palette(), {}), header);
}

TEST(BmpStreaming, PointerAndByteArrayReadersAgree) {
    const QByteArray file = Build(RleSpec(8, 4, 8, kRle8Stream));
    EXPECT_EQ(ReadBmp(Data(file), std::size_t(file.size())), ReadBmp(file));
    EXPECT_THROW(ReadBmp(nullptr, 0), EInvalidGraphic);
}

TEST(BmpStreaming, HeaderWriterRefusesImpossibleFormats) {
    EXPECT_THROW(WriteBmpHeader(1, 1, 12, {}, {}), EInvalidGraphic);
    EXPECT_THROW(WriteBmpHeader(-1, 1, 24, {}, {}), EInvalidGraphic);
    EXPECT_THROW(WriteBmpHeader(65536, 65536, 32, {}, {}), EInvalidGraphic);
}

} // namespace
