#include "platform/image/jpegimage.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include "jpegtestfile.h"
#include "platform/runtime/exception.h"

using namespace vexo;

namespace {

// Colour distance per channel, to allow for JPEG's rounding.
bool Near(QRgb a, std::uint32_t rgb, int tolerance = 8) {
    return std::abs(qRed(a) - int((rgb >> 16) & 0xFF)) <= tolerance &&
           std::abs(qGreen(a) - int((rgb >> 8) & 0xFF)) <= tolerance &&
           std::abs(qBlue(a) - int(rgb & 0xFF)) <= tolerance;
}

void ExpectJpegError(const QByteArray& data) {
    TJPEGImage image;
    try {
        image.LoadFromBytes(data);
        ADD_FAILURE() << "damaged JPEG data was accepted";
    } catch (const EInvalidGraphic& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("JPEG error #"))) << e.what();
    }
}

TEST(JpegDefaults, EmptyImageHasNoSize) {
    const TJPEGImage image;
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.Height(), 0);
    EXPECT_TRUE(image.Empty());
}

TEST(JpegDecode, RgbPicture) {
    TJPEGImage image;
    image.LoadFromBytes(jpegtest::RedBlue(16, 8));
    ASSERT_EQ(image.Width(), 16);
    ASSERT_EQ(image.Height(), 8);
    EXPECT_EQ(image.Image().format(), QImage::Format_RGB888);
    EXPECT_TRUE(Near(image.Image().pixel(2, 3), 0xFF0000));
    EXPECT_TRUE(Near(image.Image().pixel(13, 6), 0x0000FF));
}

TEST(JpegDecode, GreyPictureBecomesRgb) {
    TJPEGImage image;
    image.LoadFromBytes(jpegtest::Make(8, 8, JCS_GRAYSCALE, 100, [](int x, int) {
        return std::vector<unsigned char>{static_cast<unsigned char>(x < 4 ? 40 : 200)};
    }));
    EXPECT_TRUE(Near(image.Image().pixel(1, 1), 0x282828, 3));
    EXPECT_TRUE(Near(image.Image().pixel(6, 1), 0xC8C8C8, 3));
}

TEST(JpegDecode, InvertedCmykPicture) {
    // Adobe-style inverted CMYK: full "ink" values mean full colour.
    TJPEGImage image;
    image.LoadFromBytes(jpegtest::Make(8, 8, JCS_CMYK, 100, [](int, int) {
        return std::vector<unsigned char>{255, 0, 0, 255};
    }));
    EXPECT_TRUE(Near(image.Image().pixel(4, 4), 0xFF0000));
}

TEST(JpegDecode, ToBitmapGivesA24BitCopy) {
    TJPEGImage image;
    image.LoadFromBytes(jpegtest::RedBlue(16, 8));
    const TBitmap bitmap = image.ToBitmap();
    EXPECT_EQ(bitmap.BitCount(), 24);
    EXPECT_EQ(bitmap.Width(), 16);
    const std::uint32_t left = bitmap.PixelRgb(1, 1);
    const std::uint32_t right = bitmap.PixelRgb(14, 1);
    EXPECT_GT((left >> 16) & 0xFF, 240u);
    EXPECT_LT(left & 0xFF, 16u);
    EXPECT_GT(right & 0xFF, 240u);
    EXPECT_LT((right >> 16) & 0xFF, 16u);
}

TEST(JpegErrors, GarbageIsRefused) {
    ExpectJpegError(QByteArray("BM this is no JPEG at all"));
}

TEST(JpegErrors, EmptyDataIsRefused) {
    ExpectJpegError(QByteArray());
}

TEST(JpegErrors, TruncatedFileIsRefused) {
    const QByteArray full = jpegtest::RedBlue(64, 64);
    ExpectJpegError(full.left(full.size() / 2));
}

TEST(JpegErrors, EveryPrefixIsRefusedWithoutCrashing) {
    const QByteArray full = jpegtest::RedBlue(16, 16);
    // The last two bytes are the end-of-image marker, whose absence libjpeg only warns about.
    for (qsizetype n = 0; n < full.size() - 2; ++n)
        ExpectJpegError(full.left(n));
}

TEST(JpegErrors, HugeDimensionsAreRefusedBeforeAllocating) {
    QByteArray data = jpegtest::RedBlue(16, 8);
    const qsizetype sof = data.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    // Frame header: marker, length (2), precision (1), height (2), width (2), big-endian.
    data[sof + 5] = char(0xFF);
    data[sof + 6] = char(0xDC);
    data[sof + 7] = char(0xFF);
    data[sof + 8] = char(0xDC);
    TJPEGImage image;
    try {
        image.LoadFromBytes(data);
        ADD_FAILURE() << "a 65500 x 65500 picture was accepted";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("JPEG image is too large"));
    }
}

TEST(JpegErrors, FailedLoadKeepsThePreviousImage) {
    TJPEGImage image;
    const QByteArray good = jpegtest::RedBlue(16, 8);
    image.LoadFromBytes(good);
    EXPECT_THROW(image.LoadFromBytes(QByteArray("garbage")), EInvalidGraphic);
    EXPECT_EQ(image.Width(), 16);
    EXPECT_EQ(image.SaveToBytes(), good);
}

TEST(JpegSave, UnchangedImageSavesTheBytesAsLoaded) {
    const QByteArray data = jpegtest::RedBlue();
    TJPEGImage image;
    image.LoadFromBytes(data);
    EXPECT_EQ(image.SaveToBytes(), data);
}

TEST(JpegSave, ReplacedPixelsAreEncodedAnew) {
    QImage pixels(10, 6, QImage::Format_RGB32);
    pixels.fill(QColor(0, 200, 0));
    TJPEGImage image;
    image.SetImage(pixels);
    const QByteArray encoded = image.SaveToBytes();
    ASSERT_TRUE(encoded.startsWith("\xFF\xD8"));
    TJPEGImage decoded;
    decoded.LoadFromBytes(encoded);
    EXPECT_EQ(decoded.Width(), 10);
    EXPECT_EQ(decoded.Height(), 6);
    EXPECT_TRUE(Near(decoded.Image().pixel(5, 3), 0x00C800));
}

TEST(JpegSave, EmptyImageCannotBeEncoded) {
    const TJPEGImage image;
    EXPECT_THROW(image.SaveToBytes(), EInvalidGraphic);
}

} // namespace
