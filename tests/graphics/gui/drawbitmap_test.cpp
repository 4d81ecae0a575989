// Bitmaps drawn through masks, centred with a colour replaced, by resource name and from icons.

#include "graphics/drawbitmap.h"

#include <gtest/gtest.h>

#include "platform/runtime/resourcetable.h"

using namespace vexo;

namespace {

constexpr TColor Key = clLime, Under = clBlue;

// A 4 x 3 source: red, with the key colour on the diagonal x == y.
TBitmap Source(int bits) {
    TBitmap b(4, 3, bits);
    if (b.IsPaletted())
        b.SetPalette({0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
    TCanvas c(&b);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            c.SetPixel(x, y, x == y ? Key : clRed);
    return b;
}

struct Sheet {
    Sheet() : bitmap(16, 12, 24), canvas(&bitmap) {
        canvas.Brush.Color = Under;
        canvas.FillRect(Rect(0, 0, 16, 12));
    }
    TBitmap bitmap;
    TCanvas canvas;
};

} // namespace

class TransparentBlit : public ::testing::TestWithParam<int> {};

TEST_P(TransparentBlit, KeyPixelsLeaveTheCanvasAndStretchingScalesTheMask) {
    const TBitmap source = Source(GetParam());
    Sheet plain, stretched;
    DrawBitmapTransparent(plain.canvas, 2, 1, source, Key);
    TransparentStretchBitmap(stretched.canvas, source, Key, 4, 2, 8, 6, 0, 0, 0, 0);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) {
            const int sx = x - 2, sy = y - 1;
            const bool on = sx >= 0 && sx < 4 && sy >= 0 && sy < 3;
            EXPECT_EQ(plain.canvas.Pixel(x, y), on && sx != sy ? clRed : Under) << x << "," << y;
            const int tx = (x - 4) / 2, ty = (y - 2) / 2; // each source pixel becomes 2 x 2
            const bool in = x >= 4 && x < 12 && y >= 2 && y < 8;
            EXPECT_EQ(stretched.canvas.Pixel(x, y), in && tx != ty ? clRed : Under)
                << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Depths, TransparentBlit, ::testing::Values(24, 32, 8, 4));

TEST(TransparentBlitModes, NoneCopiesUnmaskedInTheCopyMode) {
    const TBitmap source = Source(24);
    Sheet s;
    s.canvas.CopyMode = cmSrcInvert;
    DrawBitmapTransparent(s.canvas, 0, 0, source, clNone);
    EXPECT_EQ(s.canvas.Pixel(1, 1), TColor(Key ^ Under));
    EXPECT_EQ(s.canvas.Pixel(1, 0), TColor(clRed ^ Under));
    EXPECT_EQ(s.canvas.Pixel(5, 0), Under);
    EXPECT_EQ(s.canvas.CopyMode, cmSrcInvert);
}

TEST(TransparentBlitModes, AMonochromeBitmapIsMaskedOnWhite) {
    TBitmap mono(3, 1, 1); // black, white, black
    mono.SetPixelValue(1, 0, 1);
    Sheet s;
    s.canvas.CopyMode = cmSrcInvert; // the masked path always ends in a plain copy
    DrawBitmapTransparent(s.canvas, 0, 0, mono, clRed);
    EXPECT_EQ(s.canvas.Pixel(0, 0), clBlack);
    EXPECT_EQ(s.canvas.Pixel(1, 0), Under);
    EXPECT_EQ(s.canvas.Pixel(2, 0), clBlack);
}

TEST(TransparentBlitModes, AnEmptyBitmapDrawsNothing) {
    Sheet s;
    const TBitmap before = s.bitmap;
    DrawBitmapTransparent(s.canvas, 0, 0, TBitmap(0, 0, 24), Key);
    TransparentStretchBitmap(s.canvas, TBitmap(0, 3, 24), Key, 0, 0, -5, 0, 0, 0, -1, 2);
    EXPECT_TRUE(s.bitmap == before);
}

TEST(DrawBitmapInRect, CentresTheBitmapWithBlackAsTheBrush) {
    TBitmap glyph(3, 3, 24); // black with a white centre
    TCanvas(&glyph).SetPixel(1, 1, clWhite);
    Sheet s;
    s.canvas.Brush.Color = clYellow;
    DrawBitmapInRect(s.canvas, Rect(0, 0, 10, 8), glyph); // at (3, 2)
    EXPECT_EQ(s.canvas.Pixel(4, 3), clWhite);
    EXPECT_EQ(s.canvas.Pixel(3, 2), clYellow);
    EXPECT_EQ(s.canvas.Pixel(5, 4), clYellow);
    EXPECT_EQ(s.canvas.Pixel(2, 2), Under);
    EXPECT_EQ(s.canvas.Pixel(6, 4), Under);
}

TEST(DrawResBitmapInRect, ReplacesTheBottomLeftColourAndRefusesUnknownNames) {
    Sheet s; // "RedBar": 5 x 3 green, a red bar of 3 in the middle row
    s.canvas.Brush.Color = clYellow;
    DrawResBitmapInRect(s.canvas, Rect(0, 0, 9, 7), QStringLiteral("redbar")); // at (2, 2)
    EXPECT_EQ(s.canvas.Pixel(2, 2), clYellow);
    EXPECT_EQ(s.canvas.Pixel(3, 3), clRed);
    EXPECT_EQ(s.canvas.Pixel(6, 4), clYellow);
    EXPECT_EQ(s.canvas.Pixel(7, 4), Under);
    const TBitmap before = s.bitmap;
    EXPECT_THROW(DrawResBitmapInRect(s.canvas, Rect(0, 0, 9, 7), QStringLiteral("NoSuchBar")),
                 EResNotFound);
    EXPECT_TRUE(s.bitmap == before);
}

TEST(CreateBitmapFromIcon, TransparentPartsShowTheBackColour) {
    QImage icon(4, 2, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(1, 0, qRgba(255, 0, 0, 255));
    const std::unique_ptr<TBitmap> bitmap = CreateBitmapFromIcon(icon, clBlue);
    ASSERT_EQ(bitmap->Width(), 4);
    ASSERT_EQ(bitmap->Height(), 2);
    TCanvas c(bitmap.get());
    EXPECT_EQ(c.Pixel(1, 0), clRed);
    EXPECT_EQ(c.Pixel(0, 0), clBlue);
    EXPECT_EQ(c.Pixel(3, 1), clBlue);
}
