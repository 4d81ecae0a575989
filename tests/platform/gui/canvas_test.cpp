#include "platform/canvas.h"

#include <gtest/gtest.h>

using namespace vexo;

namespace {

int CountColor(const TCanvas& c, TColor color) {
    int n = 0;
    const TRect r = c.ClipRect();
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += c.Pixel(x, y) == color;
    return n;
}

} // namespace

TEST(CanvasShapes, FillRectExcludesRightAndBottom) {
    TBitmap b(10, 10, 24);
    TCanvas c(&b);
    c.Brush.Color = clRed;
    c.FillRect(Rect(2, 3, 5, 7));
    EXPECT_EQ(c.Pixel(2, 3), clRed);
    EXPECT_EQ(c.Pixel(4, 6), clRed);
    EXPECT_EQ(c.Pixel(5, 6), clBlack);
    EXPECT_EQ(c.Pixel(4, 7), clBlack);
    EXPECT_EQ(CountColor(c, clRed), 12);
}

TEST(CanvasShapes, FillRectIsClippedToTheBitmap) {
    TBitmap b(4, 4, 24);
    TCanvas c(&b);
    c.Brush.Color = clWhite;
    c.FillRect(Rect(-5, -5, 100, 2));
    EXPECT_EQ(CountColor(c, clWhite), 8);
    EXPECT_EQ(c.Pixel(-1, 0), clNone);
}

TEST(CanvasShapes, RectangleOutlinesWithPenAndFillsWithBrush) {
    TBitmap b(6, 6, 24);
    TCanvas c(&b);
    c.Pen.Color = clBlue;
    c.Brush.Color = clYellow;
    c.Rectangle(Rect(0, 0, 5, 4));
    EXPECT_EQ(c.Pixel(0, 0), clBlue);
    EXPECT_EQ(c.Pixel(4, 3), clBlue);
    EXPECT_EQ(c.Pixel(5, 3), clBlack);
    EXPECT_EQ(c.Pixel(2, 2), clYellow);
    c.Brush.Style = bsClear;
    c.Pen.Color = clRed;
    c.Rectangle(Rect(0, 0, 5, 4));
    EXPECT_EQ(c.Pixel(2, 2), clYellow);
    EXPECT_EQ(c.Pixel(0, 3), clRed);
}

TEST(CanvasShapes, LineToLeavesOutTheEndPoint) {
    TBitmap b(10, 10, 24);
    TCanvas c(&b);
    c.Pen.Color = clWhite;
    c.MoveTo(1, 1);
    c.LineTo(1, 5);
    EXPECT_EQ(CountColor(c, clWhite), 4);
    EXPECT_EQ(c.Pixel(1, 5), clBlack);
    c.LineTo(5, 5);
    EXPECT_EQ(c.Pixel(1, 5), clWhite);
    EXPECT_EQ(c.Pixel(5, 5), clBlack);
}

TEST(CanvasShapes, PalettedBitmapsTakeTheNearestEntry) {
    TBitmap b(4, 4, 8); // grey-scale palette
    TCanvas c(&b);
    c.Brush.Color = RGB(130, 128, 126);
    c.FillRect(c.ClipRect());
    EXPECT_EQ(b.PixelValue(3, 3), 128u);
    c.Pen.Color = clWhite;
    c.Brush.Color = clWhite;
    c.Ellipse(Rect(0, 0, 4, 4));
    EXPECT_EQ(b.PixelValue(1, 1), 255u);
}

TEST(CanvasTransfer, CopyModeCombinesWithRasterOperations) {
    TBitmap d(4, 4, 24), s(4, 4, 24);
    TCanvas dc(&d), sc(&s);
    dc.Brush.Color = RGB(0xF0, 0x0F, 0xFF);
    dc.FillRect(dc.ClipRect());
    sc.Brush.Color = RGB(0xFF, 0xFF, 0x00);
    sc.FillRect(sc.ClipRect());
    dc.CopyMode = cmSrcInvert;
    dc.CopyRect(Rect(1, 1, 3, 3), sc, Rect(0, 0, 2, 2));
    EXPECT_EQ(dc.Pixel(1, 1), RGB(0x0F, 0xF0, 0xFF));
    EXPECT_EQ(dc.Pixel(2, 2), RGB(0x0F, 0xF0, 0xFF));
    EXPECT_EQ(dc.Pixel(3, 3), RGB(0xF0, 0x0F, 0xFF));
    dc.CopyMode = cmBlackness;
    dc.CopyRect(dc.ClipRect(), dc, dc.ClipRect());
    EXPECT_EQ(CountColor(dc, clBlack), 16);
}

TEST(CanvasTransfer, DrawAtAnOffsetIsClipped) {
    TBitmap d(4, 4, 24), s(3, 3, 24);
    TCanvas dc(&d), sc(&s);
    sc.Brush.Color = clWhite;
    sc.FillRect(sc.ClipRect());
    dc.Draw(2, 2, s);
    EXPECT_EQ(CountColor(dc, clWhite), 4);
    EXPECT_EQ(dc.Pixel(1, 1), clBlack);
}

TEST(CanvasTransfer, StretchDrawScales) {
    TBitmap d(4, 4, 24), s(2, 2, 24);
    TCanvas sc(&s), dc(&d);
    sc.SetPixel(0, 0, clRed);
    dc.StretchDraw(Rect(0, 0, 4, 4), s);
    EXPECT_EQ(dc.Pixel(0, 0), clRed);
    EXPECT_EQ(dc.Pixel(1, 1), clRed);
    EXPECT_EQ(dc.Pixel(2, 2), clBlack);
}

TEST(CanvasText, TextIsDrawnInsideItsCell) {
    TBitmap b(60, 20, 24);
    TCanvas c(&b);
    c.Font.SetColor(clWhite);
    c.Brush.Style = bsClear;
    const int w = c.TextWidth(QStringLiteral("Папка"));
    EXPECT_GT(w, 15);
    EXPECT_GE(c.TextHeight(QStringLiteral("Папка")), 11);
    c.TextOut(2, 2, QStringLiteral("Папка"));
    const int lit = CountColor(c, clWhite);
    EXPECT_GT(lit, 20);
    // Aliased output: only the font colour and the background.
    EXPECT_EQ(lit + CountColor(c, clBlack), 60 * 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            if (c.Pixel(x, y) == clWhite) {
                ASSERT_GE(x, 2);
                ASSERT_LT(x, 2 + w + 1);
            }
}

TEST(CanvasText, TextRectClips) {
    TBitmap b(60, 20, 24);
    TCanvas c(&b);
    c.Font.SetColor(clWhite);
    c.Brush.Style = bsClear;
    c.TextRect(Rect(0, 0, 5, 20), 2, 2, QStringLiteral("WWWW"));
    for (int y = 0; y < 20; ++y)
        for (int x = 5; x < 60; ++x)
            ASSERT_EQ(c.Pixel(x, y), clBlack);
    EXPECT_GT(CountColor(c, clWhite), 0);
}

TEST(CanvasFonts, ClassicFacesMapToAnInstalledSansFace) {
    EXPECT_EQ(MapFontFamily(QStringLiteral("MS Sans Serif")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(MapFontFamily(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
    TFont f;
    EXPECT_EQ(ToQFont(f).pixelSize(), 11);
    EXPECT_EQ(ToQFont(f).family(), QStringLiteral("Liberation Sans"));
    f.SetHeight(-20);
    EXPECT_EQ(ToQFont(f).pixelSize(), 20);
}

TEST(CanvasColors, SystemColorsResolveAndPlainColorsPassThrough) {
    EXPECT_EQ(ColorToRGB(RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(ColorToRGB(clBtnFace) & 0xFF000000u, 0u);
    EXPECT_EQ(ColorToRGB(clSystemColor | 200), clBlack);
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
}
