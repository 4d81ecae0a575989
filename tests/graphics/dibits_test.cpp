#include "graphics/dibits.h"

#include <gtest/gtest.h>

#include "samebitmap.h"
#include <vector>

using namespace vexo;

namespace {

TvexoBitmapArray Record(std::vector<std::uint32_t>& pixels, int w, int h) {
    TvexoBitmapArray a;
    a.Width = w;
    a.Height = h;
    a.Size = int(pixels.size() * 4);
    a.Bits = pixels.data();
    return a;
}

} // namespace

TEST(InternalGetDIBits, FillsTheHeaderAndReadsBottomUp) {
    TBitmap b(3, 2, 24);
    b.SetPixelValue(0, 0, 0x112233); // top-left
    b.SetPixelValue(2, 1, 0x445566); // bottom-right
    std::vector<std::uint32_t> px(6, 0xDEADBEEF);
    TBitmapInfo info;
    info.bmiHeader.biWidth = 99;
    EXPECT_EQ(InternalGetDIBits(b, info, Record(px, 3, 2)), 2);
    EXPECT_EQ(info.bmiHeader.biSize, 40u);
    EXPECT_EQ(info.bmiHeader.biWidth, 3);
    EXPECT_EQ(info.bmiHeader.biHeight, 2);
    EXPECT_EQ(info.bmiHeader.biPlanes, 1);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
    EXPECT_EQ(info.bmiHeader.biCompression, BI_RGB);
    EXPECT_EQ(info.bmiHeader.biSizeImage, 24u);
    EXPECT_EQ(px, (std::vector<std::uint32_t>{0, 0, 0x445566, 0x112233, 0, 0}));
}

TEST(InternalGetDIBits, ExpandsPalettesAndBitFields) {
    TBitmap mono(2, 1, 1);
    mono.SetPalette({0x00FF0000, 0x000000FF});
    mono.SetPixelValue(1, 0, 1);
    std::vector<std::uint32_t> px(2);
    TBitmapInfo info;
    ASSERT_EQ(InternalGetDIBits(mono, info, Record(px, 2, 1)), 1);
    EXPECT_EQ(px, (std::vector<std::uint32_t>{0x00FF0000, 0x000000FF}));

    TBitmap hi(1, 1, 16);
    hi.SetBitFields(TBitFields{0xF800, 0x07E0, 0x001F, 0});
    hi.SetPixelValue(0, 0, 0xF800 | 0x001F);
    ASSERT_EQ(InternalGetDIBits(hi, info, Record(px, 1, 1)), 1);
    EXPECT_EQ(px[0], 0x00FF00FFu);
}

TEST(InternalGetDIBits, RefusesABufferTooSmall) {
    TBitmap b(4, 4, 24);
    std::vector<std::uint32_t> px(15, 7);
    TBitmapInfo info;
    EXPECT_EQ(InternalGetDIBits(b, info, Record(px, 4, 4)), 0);
    EXPECT_EQ(px, std::vector<std::uint32_t>(15, 7));
    EXPECT_EQ(InternalGetDIBits(TBitmap(), info, Record(px, 4, 4)), 0);
}

TEST(InternalSetDIBits, GivesTheBitmapTheHeaderSizeInItsOwnFormat) {
    TBitmap b(1, 1, 8);
    QVector<std::uint32_t> pal(256, 0);
    pal[0] = 0x000000;
    pal[1] = 0xFF0000;
    pal[2] = 0x00FF00;
    b.SetPalette(pal);
    std::vector<std::uint32_t> px = {0xFE0101, 0x00F000, 0x000000, // bottom row
                                     0x00FF00, 0x000000, 0xFF0000};
    TBitmapInfo info;
    FillBitmapInfo(info, 3, 2);
    EXPECT_EQ(InternalSetDIBits(b, info, Record(px, 3, 2)), 2);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(b.BitCount(), 8);
    EXPECT_EQ(b.Palette(), pal);
    EXPECT_EQ(b.PixelValue(0, 0), 2u);
    EXPECT_EQ(b.PixelValue(2, 0), 1u);
    EXPECT_EQ(b.PixelValue(0, 1), 1u); // nearest entry
    EXPECT_EQ(b.PixelValue(1, 1), 2u);
}

TEST(InternalSetDIBits, SpareByteIsNotCarriedIntoThePicture) {
    TBitmap b(1, 1, 32);
    std::vector<std::uint32_t> px = {0xAB123456};
    TBitmapInfo info;
    FillBitmapInfo(info, 1, 1);
    ASSERT_EQ(InternalSetDIBits(b, info, Record(px, 1, 1)), 1);
    EXPECT_EQ(b.PixelValue(0, 0), 0x00123456u);
}

TEST(InternalSetDIBits, RefusesAnInvalidHeaderOrShortBuffer) {
    const TBitmap original(2, 2, 24);
    TBitmap b = original;
    std::vector<std::uint32_t> px(4, 0xFFFFFF);
    TBitmapInfo info;
    FillBitmapInfo(info, 2, 3); // needs 6 pixels
    EXPECT_EQ(InternalSetDIBits(b, info, Record(px, 2, 2)), 0);
    FillBitmapInfo(info, 2, 2);
    info.bmiHeader.biBitCount = 24;
    EXPECT_EQ(InternalSetDIBits(b, info, Record(px, 2, 2)), 0);
    FillBitmapInfo(info, 2, -2);
    EXPECT_EQ(InternalSetDIBits(b, info, Record(px, 2, 2)), 0);
    EXPECT_TRUE(SameBitmap(b, original));
}
