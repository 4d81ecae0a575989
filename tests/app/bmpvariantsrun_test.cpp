// The BMP variants that bitmaps hold in another format, in a run: as sources they combine as
// their decoded pixels; as the working picture they give results in the nearest format the
// writer has (2-bit as 4-bit, 64-bit as 32-bit with alpha, JPEG as 24-bit, PNG with
// transparency as 32-bit with alpha).
#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

#include "app/filecombiner.h"
#include "batchfixture.h"
#include "platform/image/bmpbuilder.h"
#include "platform/image/jpegimage.h"
#include "support/testdir.h"

using namespace varnova;
using namespace batchtest;

namespace {

constexpr int W = 11, H = 7;

bmptest::Recipe Base(int bitCount, int compression, QByteArray pixels) {
    bmptest::Recipe s;
    s.width = W;
    s.height = H;
    s.bitCount = bitCount;
    s.compression = std::uint32_t(compression);
    s.pixels = std::move(pixels);
    return s;
}

QByteArray TwoBit() {
    bmptest::Recipe s = Base(2, 0, bmptest::Pack(bmptest::RandomGrid(W, H, 4, 3), 2, false));
    s.palette = {0x102030, 0xF0E0D0, 0x00FF00, 0x808080};
    return bmptest::Build(s);
}

QByteArray SixtyFourBit() {
    QByteArray pixels;
    const bmptest::Grid g = bmptest::RandomGrid(W * 4, H, 65536, 4);
    for (int y = 0; y < H; ++y) {
        for (int i = 0; i < W * 4; ++i) {
            const std::uint32_t v = g.At(i, y);
            pixels.append(char(v & 0xFF)).append(char(v >> 8));
        }
    }
    return bmptest::Build(Base(64, 0, pixels));
}

QByteArray Os2Header() {
    bmptest::Recipe s = Base(8, 0, bmptest::Pack(bmptest::RandomGrid(W, H, 9, 5), 8, false));
    s.headerSize = 16;
    s.palette = bmptest::RandomPalette(9, 6);
    s.entrySize = 3;
    return bmptest::Build(s);
}

QByteArray Rle24() {
    QByteArray stream;
    for (int y = 0; y < H; ++y) {
        stream.append(char(W - 3)).append(char(y * 30)).append(char(200)).append(char(7));
        stream.append(char(0)).append(char(3)); // an absolute run of 3 pixels, 9 bytes + pad
        for (int i = 0; i < 9; ++i)
            stream.append(char(i * 20 + y));
        stream.append(char(0));
        stream.append(char(0)).append(char(y == H - 1 ? 1 : 0));
    }
    bmptest::Recipe s = Base(24, 4, stream);
    s.headerSize = 64;
    return bmptest::Build(s);
}

QImage Ramp(QImage::Format format) {
    QImage image(W, H, format);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            image.setPixel(x, y, qRgba(x * 23, y * 36, 90, 40 + x * 19));
    return image;
}

QByteArray Jpeg() {
    vexo::TJPEGImage jpeg;
    jpeg.SetImage(Ramp(QImage::Format_RGB888));
    return bmptest::Build(Base(0, 4, jpeg.SaveToBytes()));
}

QByteArray PngWithAlpha() {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Ramp(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bmptest::Build(Base(0, 5, png));
}

struct VariantCase {
    const char* Name;
    QByteArray (*Make)();
    int ResultBits; // as the working picture
};

class VariantsInARun : public ::testing::TestWithParam<VariantCase> {};

TEST_P(VariantsInARun, AsSourceAndAsWorkingPicture) {
    TestDir dir;
    const QByteArray variant = GetParam().Make();
    const QString plainWork = dir.File("work.bmp");
    WriteBitmap(plainWork, Picture(W + 2, H - 1, 24, 8));
    WriteFile(dir.Path() + "src/v.bmp", variant);
    WriteFile(dir.Path() + "variantwork.bmp", variant);
    WriteBitmap(dir.Path() + "src/p.bmp", Picture(W, H, 8, 9));
    QDir().mkpath(dir.Path() + "out");
    TWorkImageCache cache;
    TFileCombiner combiner(cache);
    for (int mode : {10, 11, 12}) {
        // The variant as a source.
        TBatchSettings s{dir.Path() + "src/", plainWork, dir.Path() + "out/", mode, 0};
        combiner.Combine(s, "v.bmp").Commit();
        EXPECT_EQ(ReadFile(dir.Path() + "out/v.bmp"),
                  Expected(plainWork, s.SourcePath("v.bmp"), mode))
            << "mode " << mode;
        // The variant as the working picture.
        s.WorkImagePath = dir.Path() + "variantwork.bmp";
        combiner.Combine(s, "p.bmp").Commit();
        const QByteArray result = ReadFile(dir.Path() + "out/p.bmp");
        EXPECT_EQ(result, Expected(s.WorkImagePath, s.SourcePath("p.bmp"), mode))
            << "mode " << mode;
        ASSERT_GT(result.size(), 30);
        EXPECT_EQ(int(quint8(result[28])), GetParam().ResultBits);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, VariantsInARun,
                         ::testing::Values(VariantCase{"TwoBit", TwoBit, 4},
                                           VariantCase{"SixtyFourBit", SixtyFourBit, 32},
                                           VariantCase{"Os2Header", Os2Header, 8},
                                           VariantCase{"Rle24", Rle24, 24},
                                           VariantCase{"Jpeg", Jpeg, 24},
                                           VariantCase{"PngWithAlpha", PngWithAlpha, 32}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
