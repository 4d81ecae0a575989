// The BMP variants beyond the Windows basics: OS/2 2.x headers, 2 and 64-bit pixels, OS/2
// RLE24, and JPEG and PNG streams as the pixel data. Each is read into the bitmap format a
// writer can give back, and written so.
#include <QImage>
#include <functional>
#include <gtest/gtest.h>

#include "bmpbuilder.h"
#include "platform/image/bmpcodec.h"
#include "platform/image/jpegimage.h"
#include "platform/runtime/exception.h"
#include "pngtestfile.h"

using namespace vexo;
using bmptest::Build;
using bmptest::Bytes;
using bmptest::Grid;
using bmptest::Recipe;

namespace {

bool Refused(const QByteArray& file) {
    try {
        ReadBmp(file);
    } catch (const EInvalidGraphic& e) {
        return e.Message() == QStringLiteral("Bitmap image is not valid");
    }
    return false;
}

// The bitmap a picture must read as: this depth, palette and masks, these pixel values.
TBitmap Expected(const Grid& g, int bitCount, const std::vector<std::uint32_t>& palette = {},
                 const TBitFields& fields = {}) {
    TBitmap b(g.width, g.height, bitCount);
    b.SetPalette(QVector<std::uint32_t>(palette.begin(), palette.end()));
    b.SetBitFields(fields);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            b.SetPixelValue(x, y, g.At(x, y));
    return b;
}

// Read, and written back as a file that reads as the same bitmap at the given depth.
void ExpectRead(const QByteArray& file, const TBitmap& expected) {
    const TBitmap b = ReadBmp(file);
    EXPECT_EQ(b, expected);
    const QByteArray written = WriteBmp(b);
    EXPECT_EQ(int(quint8(written[28])), expected.BitCount());
    EXPECT_EQ(ReadBmp(written), expected);
}

constexpr TBitFields AlphaFields{0xFF0000, 0xFF00, 0xFF, 0xFF000000u};

// ---- OS/2 2.x headers ---------------------------------------------------------------------

struct Os2Case {
    int HeaderSize;
    int EntrySize;
};

class Os2Header : public ::testing::TestWithParam<Os2Case> {};

TEST_P(Os2Header, PalettedPictureIsReadWithItsPalette) {
    const Grid g = bmptest::RandomGrid(5, 3, 6, 7);
    Recipe s;
    s.headerSize = GetParam().HeaderSize;
    s.entrySize = GetParam().EntrySize;
    s.width = g.width;
    s.height = g.height;
    s.bitCount = 8;
    s.palette = bmptest::RandomPalette(6, 8);
    s.clrUsed = 6;
    s.pixels = bmptest::Pack(g, 8, false);
    // Headers shorter than the colours-used field give no count: the palette then is the
    // depth's full 256 entries, of which the pixel offset leaves room for six.
    ExpectRead(Build(s), Expected(g, 8, s.palette));
}

INSTANTIATE_TEST_SUITE_P(Sizes, Os2Header,
                         ::testing::Values(Os2Case{16, 4}, Os2Case{24, 4}, Os2Case{36, 4},
                                           Os2Case{64, 4}, Os2Case{16, 3}, Os2Case{64, 3}),
                         [](const auto& info) {
                             return "Header" + std::to_string(info.param.HeaderSize) + "Entry" +
                                    std::to_string(info.param.EntrySize);
                         });

Recipe Os2Rle(int bitCount, int code, int width, int height, QByteArray stream) {
    Recipe s;
    s.headerSize = 64;
    s.width = width;
    s.height = height;
    s.bitCount = bitCount;
    s.compression = std::uint32_t(code);
    if (bitCount <= 8)
        s.palette = bmptest::RandomPalette(1 << bitCount, 3);
    s.pixels = std::move(stream);
    return s;
}

TEST(Os2Rle, Rle24RunsAbsoluteRunsAndDeltas) {
    const QByteArray stream = Bytes({
        0x02, 0x10, 0x20, 0x30,                            // bottom row: 2 x (B10 G20 R30)
        0x00, 0x03, 1,    2,    3, 4, 5, 6, 7, 8, 9, 0x00, // absolute: 3 pixels, 9 bytes + pad
        0x00, 0x00,                                        // end of line
        0x00, 0x02, 0x01, 0x00,                            // delta: right 1
        0x01, 0xAA, 0xBB, 0xCC,                            // 1 x (BAA GBB RCC)
        0x00, 0x01,                                        // end of bitmap
    });
    const Grid g{5,
                 2,
                 {0, 0xCCBBAA, 0, 0, 0, //
                  0x302010, 0x302010, 0x030201, 0x060504, 0x090807}};
    ExpectRead(Build(Os2Rle(24, 4, 5, 2, stream)), Expected(g, 24));
}

TEST(Os2Rle, OtherCodesMeanWhatOs2MeansByThem) {
    // Code 1 is RLE8 there too.
    const Recipe rle8 = Os2Rle(8, 1, 3, 1, Bytes({0x03, 0x02, 0x00, 0x01}));
    ExpectRead(Build(rle8), Expected(Grid{3, 1, {2, 2, 2}}, 8, rle8.palette));
    // Huffman 1D (3) is not read; 5 and beyond do not exist there.
    EXPECT_TRUE(Refused(Build(Os2Rle(1, 3, 8, 1, Bytes({0, 0, 0, 0})))));
    EXPECT_TRUE(Refused(Build(Os2Rle(24, 5, 1, 1, Bytes({1, 1, 1, 1, 0, 1})))));
    // RLE24 only at 24 bits, and never top-down.
    EXPECT_TRUE(Refused(Build(Os2Rle(8, 4, 1, 1, Bytes({1, 1, 0, 1})))));
    EXPECT_TRUE(Refused(Build(Os2Rle(24, 4, 1, -1, Bytes({1, 1, 1, 1, 0, 1})))));
    // A run past its row.
    EXPECT_TRUE(Refused(Build(Os2Rle(24, 4, 2, 1, Bytes({3, 1, 1, 1, 0, 1})))));
    // A run cut short inside its value.
    EXPECT_TRUE(Refused(Build(Os2Rle(24, 4, 2, 1, Bytes({2, 1, 1})))));
}

// ---- 2-bit and 64-bit pixels --------------------------------------------------------------

TEST(BmpTwoBit, ReadAsFourBitWithTheSamePalette) {
    for (bool topDown : {false, true}) {
        const Grid g = bmptest::RandomGrid(7, 3, 4, 5);
        Recipe s;
        s.width = g.width;
        s.height = topDown ? -g.height : g.height;
        s.bitCount = 2;
        s.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
        s.pixels = bmptest::Pack(g, 2, topDown);
        ExpectRead(Build(s), Expected(g, 4, s.palette));
    }
}

// One 16-bit fixed-point channel value (8192 = 1.0) and the 8-bit value it reads as: in
// sRGB for a colour, linearly for alpha.
struct SixtyFourCase {
    int Value;
    int Colour;
    int Alpha;
};

class BmpSixtyFourBit : public ::testing::TestWithParam<SixtyFourCase> {};

TEST_P(BmpSixtyFourBit, LinearFixedPointReadAsSrgbWithAlpha) {
    const auto [value, colour, alpha] = GetParam();
    // Two pixels: the value in blue, green, red and alpha in turn, and 1.0 elsewhere.
    Recipe s;
    s.width = 4;
    s.height = 1;
    s.bitCount = 64;
    Grid g{4, 1, {}};
    for (int channel = 0; channel < 4; ++channel) {
        std::uint32_t expected = 0;
        for (int c = 0; c < 4; ++c) {
            const int v = c == channel ? value : 8192;
            s.pixels.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
            const int eight = c == channel ? (c == 3 ? alpha : colour) : 255;
            expected |= std::uint32_t(eight) << (c == 3 ? 24 : 8 * c);
        }
        g.values.push_back(expected);
    }
    ExpectRead(Build(s), Expected(g, 32, {}, AlphaFields));
}

INSTANTIATE_TEST_SUITE_P(Values, BmpSixtyFourBit,
                         ::testing::Values(SixtyFourCase{0, 0, 0}, SixtyFourCase{8192, 255, 255},
                                           SixtyFourCase{2048, 137, 64},    // 0.25
                                           SixtyFourCase{4096, 188, 128},   // 0.5
                                           SixtyFourCase{10, 4, 0},         // the linear toe
                                           SixtyFourCase{0x7FFF, 255, 255}, // beyond 1.0
                                           SixtyFourCase{0xE000, 0, 0}));   // negative

// ---- JPEG and PNG streams -----------------------------------------------------------------

Recipe StreamRecipe(int width, int height, int code, QByteArray stream) {
    Recipe s;
    s.width = width;
    s.height = height;
    s.bitCount = 0;
    s.compression = std::uint32_t(code);
    s.pixels = std::move(stream);
    return s;
}

QByteArray JpegStream(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 96));
    TJPEGImage jpeg;
    jpeg.SetImage(image);
    return jpeg.SaveToBytes();
}

TEST(BmpJpegStream, DecodesToTwentyFourBitsAsTheJpegReaderDoes) {
    const QByteArray stream = JpegStream(16, 8);
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(stream);
    ExpectRead(Build(StreamRecipe(16, 8, 4, stream)), jpeg.ToBitmap());
    // Also with a header that says 24 bits, as some writers put it.
    Recipe s = StreamRecipe(16, 8, 4, stream);
    s.bitCount = 24;
    EXPECT_EQ(ReadBmp(Build(s)), jpeg.ToBitmap());
}

TEST(BmpJpegStream, WrongSizeDamagedOrCutShortIsRefused) {
    const QByteArray stream = JpegStream(16, 8);
    EXPECT_TRUE(Refused(Build(StreamRecipe(16, 9, 4, stream))));
    EXPECT_TRUE(Refused(Build(StreamRecipe(15, 8, 4, stream))));
    EXPECT_TRUE(Refused(Build(StreamRecipe(16, 8, 4, stream.left(stream.size() / 2)))));
    QByteArray damaged = stream;
    damaged[0] = 0; // no start-of-image marker
    EXPECT_TRUE(Refused(Build(StreamRecipe(16, 8, 4, damaged))));
    EXPECT_TRUE(Refused(Build(StreamRecipe(16, 8, 4, QByteArray()))));
}

// A PNG picture and the colour (0xAARRGGBB) every pixel must read as.
struct PngCase {
    const char* Name;
    std::function<pngtest::Picture()> Make;
    bool Alpha;
    std::function<std::uint32_t(int x, int y)> Colour;
};

constexpr int W = 9, H = 5;

std::uint8_t R(int x, int y) {
    return std::uint8_t(x * 28 + y);
}
std::uint8_t G(int x, int y) {
    return std::uint8_t(y * 50 + x);
}
std::uint8_t B(int x, int y) {
    return std::uint8_t((x * y * 13) & 0xFF);
}
std::uint8_t A(int x, int y) {
    return std::uint8_t((x + y) * 20);
}

pngtest::Picture Direct(int type, int depth, bool interlaced) {
    pngtest::Picture p{W, H, type, depth, interlaced, {}, {}, {}, nullptr};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            std::vector<std::uint8_t> v;
            if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA)
                v.push_back(R(x, y));
            else
                v.insert(v.end(), {R(x, y), G(x, y), B(x, y)});
            if (type & PNG_COLOR_MASK_ALPHA)
                v.push_back(A(x, y));
            for (std::uint8_t c : v) {
                if (depth == 16) { // c * 257 scales back to exactly c
                    p.samples.push_back(c);
                    p.samples.push_back(c);
                } else {
                    p.samples.push_back(c);
                }
            }
        }
    return p;
}

std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
}

const png_color_16 kTransparentRgb{0, 1, 50, 0, 0}; // red 1, green 50, blue 0: the pixel 0,1

const std::vector<PngCase>& PngCases() {
    static const std::vector<PngCase> cases = {
        {"Rgb8", [] { return Direct(PNG_COLOR_TYPE_RGB, 8, false); }, false,
         [](int x, int y) { return Rgb(R(x, y), G(x, y), B(x, y)); }},
        {"Rgba8", [] { return Direct(PNG_COLOR_TYPE_RGB_ALPHA, 8, false); }, true,
         [](int x, int y) {
             return (std::uint32_t(A(x, y)) << 24) | Rgb(R(x, y), G(x, y), B(x, y));
         }},
        {"Rgb16Interlaced", [] { return Direct(PNG_COLOR_TYPE_RGB, 16, true); }, false,
         [](int x, int y) { return Rgb(R(x, y), G(x, y), B(x, y)); }},
        {"Grey8", [] { return Direct(PNG_COLOR_TYPE_GRAY, 8, false); }, false,
         [](int x, int y) { return Rgb(R(x, y), R(x, y), R(x, y)); }},
        {"GreyAlpha16", [] { return Direct(PNG_COLOR_TYPE_GRAY_ALPHA, 16, false); }, true,
         [](int x, int y) {
             return (std::uint32_t(A(x, y)) << 24) | Rgb(R(x, y), R(x, y), R(x, y));
         }},
        {"Grey1",
         [] {
             pngtest::Picture p{W, H, PNG_COLOR_TYPE_GRAY, 1, false, {}, {}, {}, nullptr};
             for (int y = 0; y < H; ++y) { // 9 pixels: two bytes a row
                 p.samples.push_back(std::uint8_t(y % 2 ? 0xAA : 0x55));
                 p.samples.push_back(0x80);
             }
             return p;
         },
         false, [](int x, int y) { return ((x < 8 ? (x + y) % 2 : 1) != 0) ? 0xFFFFFFu : 0u; }},
        {"PaletteWithAlpha",
         [] {
             pngtest::Picture p{W, H, PNG_COLOR_TYPE_PALETTE, 8, false, {}, {}, {}, nullptr};
             p.palette = {{10, 20, 30}, {200, 100, 0}, {1, 2, 3}};
             p.paletteAlpha = {255, 128}; // the third entry stays opaque
             for (int y = 0; y < H; ++y)
                 for (int x = 0; x < W; ++x)
                     p.samples.push_back(std::uint8_t((x + y) % 3));
             return p;
         },
         true,
         [](int x, int y) {
             const std::uint32_t colours[3] = {0xFF0A141Eu, 0x80C86400u, 0xFF010203u};
             return colours[(x + y) % 3];
         }},
        {"RgbWithTransparentColour",
         [] {
             pngtest::Picture p = Direct(PNG_COLOR_TYPE_RGB, 8, false);
             p.transparent = &kTransparentRgb;
             return p;
         },
         true,
         [](int x, int y) {
             const std::uint32_t rgb = Rgb(R(x, y), G(x, y), B(x, y));
             return rgb == 0x013200u ? rgb : 0xFF000000u | rgb;
         }},
    };
    return cases;
}

class BmpPngStream : public ::testing::TestWithParam<std::size_t> {};

TEST_P(BmpPngStream, DecodesToTwentyFourBitsOrThirtyTwoWithAlpha) {
    const PngCase& c = PngCases()[GetParam()];
    const QByteArray stream = pngtest::Write(c.Make());
    ASSERT_FALSE(stream.isEmpty());
    Grid g{W, H, {}};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            g.values.push_back(c.Colour(x, y));
    ExpectRead(Build(StreamRecipe(W, H, 5, stream)),
               c.Alpha ? Expected(g, 32, {}, AlphaFields) : Expected(g, 24));
}

INSTANTIATE_TEST_SUITE_P(Kinds, BmpPngStream, ::testing::Range<std::size_t>(0, PngCases().size()),
                         [](const auto& info) { return std::string(PngCases()[info.param].Name); });

TEST(BmpPngStreamRefused, WrongSizeDamagedOrCutShort) {
    const QByteArray stream = pngtest::Write(Direct(PNG_COLOR_TYPE_RGB, 8, false));
    EXPECT_TRUE(Refused(Build(StreamRecipe(W + 1, H, 5, stream))));
    EXPECT_TRUE(Refused(Build(StreamRecipe(W, H - 1, 5, stream))));
    EXPECT_TRUE(Refused(Build(StreamRecipe(W, H, 5, stream.left(stream.size() - 20)))));
    QByteArray damaged = stream;
    damaged[40] = char(damaged[40] ^ 0x55); // inside the image data: its checksum fails
    EXPECT_TRUE(Refused(Build(StreamRecipe(W, H, 5, damaged))));
    EXPECT_TRUE(Refused(Build(StreamRecipe(W, H, 5, QByteArray("\x89PNG\r\n\x1a\n", 8)))));
    // A header that promises more than a bitmap may hold is refused before any decoding.
    EXPECT_TRUE(Refused(Build(StreamRecipe(65536, 65536, 5, stream))));
}

} // namespace
