#include "platform/image/canvas.h"

#include <gtest/gtest.h>
#include <vector>

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

// --- Pen modes ----------------------------------------------------------------------------------

namespace {

// Every pixel a different raw value, so a change anywhere shows.
TBitmap Varied(int bitCount) {
    TBitmap b(23, 17, bitCount);
    const std::uint32_t mask = bitCount >= 32 ? 0xFFFFFFFFu : ((1u << bitCount) - 1u);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.SetPixelValue(
                x, y, (std::uint32_t(x) * 0x9E3779B1u ^ std::uint32_t(y) * 0x85EBCA77u) & mask);
    return b;
}

std::vector<std::uint32_t> Values(const TBitmap& b) {
    std::vector<std::uint32_t> v;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            v.push_back(b.PixelValue(x, y));
    return v;
}

enum Shape { shLine, shRectangle, shEllipse, shPie };

void DrawShape(TCanvas& c, Shape shape) {
    switch (shape) {
    case shLine:
        c.MoveTo(1, 2);
        c.LineTo(20, 14);
        c.LineTo(3, 15); // the joint is covered by both lines: drawn once
        break;
    case shRectangle:
        c.Rectangle(Rect(2, 3, 19, 15));
        break;
    case shEllipse:
        c.Ellipse(Rect(1, 1, 22, 16));
        break;
    case shPie:
        c.Pie(Rect(1, 1, 22, 16), TPoint{21, 8}, TPoint{11, 1});
        break;
    }
}

struct PenCase {
    int BitCount;
    Shape Kind;
};

class CanvasPenModeShapes : public ::testing::TestWithParam<PenCase> {};

TEST_P(CanvasPenModeShapes, XorAndNotTwiceRestoreEveryPixel) {
    for (const TPenMode mode : {pmXor, pmNot}) {
        TBitmap b = Varied(GetParam().BitCount);
        const std::vector<std::uint32_t> before = Values(b);
        TCanvas c(&b);
        c.Pen.Color = RGB(0xA5, 0xF3, 0xCF); // a set bit in every format, white in 1 bit
        c.Pen.Mode = mode;
        c.Brush.Style = bsClear;
        DrawShape(c, GetParam().Kind);
        EXPECT_NE(Values(b), before) << "mode " << mode;
        DrawShape(c, GetParam().Kind);
        EXPECT_EQ(Values(b), before) << "mode " << mode;
    }
}

TEST_P(CanvasPenModeShapes, NopLeavesTheBufferUntouched) {
    TBitmap b = Varied(GetParam().BitCount);
    const std::vector<std::uint32_t> before = Values(b);
    TCanvas c(&b);
    c.Pen.Color = clWhite;
    c.Pen.Mode = pmNop;
    c.Brush.Style = bsClear;
    DrawShape(c, GetParam().Kind);
    EXPECT_EQ(Values(b), before);
}

TEST_P(CanvasPenModeShapes, XorCoversExactlyThePixelsCopyDraws) {
    // On a black picture a white pen shows its coverage in either mode.
    TBitmap copied(23, 17, GetParam().BitCount), xored(23, 17, GetParam().BitCount);
    TCanvas cc(&copied), xc(&xored);
    for (TCanvas* c : {&cc, &xc}) {
        c->Brush.Color = clBlack;
        c->FillRect(c->ClipRect());
        c->Pen.Color = clWhite;
        c->Brush.Style = bsClear;
    }
    xc.Pen.Mode = pmXor;
    DrawShape(cc, GetParam().Kind);
    DrawShape(xc, GetParam().Kind);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 23; ++x)
            ASSERT_EQ(xc.Pixel(x, y), cc.Pixel(x, y)) << x << "," << y;
    EXPECT_GT(CountColor(xc, clWhite), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CanvasPenModeShapes,
    ::testing::Values(PenCase{24, shLine}, PenCase{24, shRectangle}, PenCase{24, shEllipse},
                      PenCase{24, shPie}, PenCase{32, shLine}, PenCase{32, shRectangle},
                      PenCase{32, shEllipse}, PenCase{32, shPie}, PenCase{8, shLine},
                      PenCase{8, shRectangle}, PenCase{8, shEllipse}, PenCase{8, shPie},
                      PenCase{4, shRectangle}, PenCase{1, shEllipse}, PenCase{16, shLine}));

struct ModeCase {
    TPenMode Mode;
    std::uint32_t Expected; // raw 24-bit value over 0x123456 with a pen of raw 0x0F00F0
};

class CanvasPenModeValues : public ::testing::TestWithParam<ModeCase> {};

TEST_P(CanvasPenModeValues, EachModeCombinesPenAndPixelBitwise) {
    TBitmap b(8, 8, 24);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            b.SetPixelValue(x, y, 0x123456);
    TCanvas c(&b);
    c.Pen.Color = RGB(0x0F, 0x00, 0xF0); // raw 0x0F00F0: red is the high byte in the buffer
    c.Pen.Mode = GetParam().Mode;
    c.MoveTo(1, 1);
    c.LineTo(6, 1);
    c.Brush.Style = bsClear;
    c.Rectangle(Rect(1, 3, 7, 7));
    EXPECT_EQ(b.PixelValue(1, 1), GetParam().Expected);
    EXPECT_EQ(b.PixelValue(5, 1), GetParam().Expected);
    EXPECT_EQ(b.PixelValue(6, 1), 0x123456u);           // the end point is left out
    EXPECT_EQ(b.PixelValue(1, 3), GetParam().Expected); // a corner, covered by two sides
    EXPECT_EQ(b.PixelValue(6, 6), GetParam().Expected);
    EXPECT_EQ(b.PixelValue(3, 5), 0x123456u); // inside, clear brush
}

INSTANTIATE_TEST_SUITE_P(Modes, CanvasPenModeValues,
                         ::testing::Values(ModeCase{pmBlack, 0x000000}, ModeCase{pmWhite, 0xFFFFFF},
                                           ModeCase{pmNop, 0x123456}, ModeCase{pmNot, 0xEDCBA9},
                                           ModeCase{pmCopy, 0x0F00F0},
                                           ModeCase{pmNotCopy, 0xF0FF0F},
                                           ModeCase{pmXor, 0x1D34A6}));

TEST(CanvasPenMode, PalettedTargetsCombineIndices) {
    TBitmap b(8, 2, 8); // grey-scale palette: index n is grey n
    TCanvas c(&b);
    for (int x = 0; x < 8; ++x)
        b.SetPixelValue(x, 0, 0x0F);
    c.Pen.Color = RGB(0x33, 0x33, 0x33); // index 0x33
    c.Pen.Mode = pmXor;
    c.MoveTo(0, 0);
    c.LineTo(4, 0);
    EXPECT_EQ(b.PixelValue(0, 0), 0x3Cu);
    EXPECT_EQ(b.PixelValue(4, 0), 0x0Fu);
    c.Pen.Mode = pmNotCopy;
    c.MoveTo(0, 1);
    c.LineTo(1, 1);
    EXPECT_EQ(b.PixelValue(0, 1), 0xCCu);

    TBitmap nibbles(5, 1, 4); // pixels smaller than a byte
    TCanvas nc(&nibbles);
    nibbles.SetPixelValue(1, 0, 5);
    nibbles.SetPixelValue(2, 0, 9);
    nc.Pen.Mode = pmNot;
    nc.MoveTo(1, 0);
    nc.LineTo(3, 0);
    EXPECT_EQ(nibbles.PixelValue(0, 0), 0u);
    EXPECT_EQ(nibbles.PixelValue(1, 0), 10u);
    EXPECT_EQ(nibbles.PixelValue(2, 0), 6u);
    EXPECT_EQ(nibbles.PixelValue(3, 0), 0u);
}

TEST(CanvasPenMode, BrushFillsIgnoreThePenMode) {
    TBitmap b(20, 20, 24);
    TCanvas c(&b);
    c.Brush.Color = clRed;
    c.Pen.Color = clWhite;
    c.Pen.Mode = pmXor;
    c.Ellipse(Rect(0, 0, 20, 20));
    c.Rectangle(Rect(12, 12, 18, 18));
    EXPECT_EQ(c.Pixel(10, 10), clRed);
    EXPECT_EQ(c.Pixel(14, 14), clRed);
    EXPECT_EQ(c.Pixel(12, 12), RGB(0x00, 0xFF, 0xFF)); // white XOR red
}

} // namespace
