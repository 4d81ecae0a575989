#include "platform/image/canvas.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>
#include <vector>

#include "platform/image/jpegimage.h"

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

enum Shape { shLine, shRectangle, shEllipse, shPie, shPolyline, shPolygon };

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
    case shPolyline: // crosses itself and passes its first point again
        c.Polyline({{2, 2}, {20, 14}, {20, 2}, {2, 14}, {2, 2}, {10, 2}});
        break;
    case shPolygon:
        c.Polygon({{3, 1}, {21, 8}, {3, 15}, {12, 8}});
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
                      PenCase{4, shRectangle}, PenCase{1, shEllipse}, PenCase{16, shLine},
                      PenCase{24, shPolyline}, PenCase{8, shPolyline}, PenCase{24, shPolygon},
                      PenCase{4, shPolygon}));

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

// --- Polylines and polygons -------------------------------------------------------------------

TEST(CanvasShapes, PolylineJoinsThePointsAndLeavesOutTheLast) {
    TBitmap b(10, 10, 24);
    TCanvas c(&b);
    c.Pen.Color = clWhite;
    c.MoveTo(7, 7);
    c.Polyline({{1, 1}, {5, 1}, {5, 5}});
    EXPECT_EQ(c.Pixel(1, 1), clWhite);
    EXPECT_EQ(c.Pixel(5, 1), clWhite); // the inner point is drawn by the next segment
    EXPECT_EQ(c.Pixel(5, 4), clWhite);
    EXPECT_EQ(c.Pixel(5, 5), clBlack);
    EXPECT_EQ(CountColor(c, clWhite), 8);
    c.LineTo(7, 9); // the pen position is where MoveTo put it
    EXPECT_EQ(c.Pixel(7, 7), clWhite);
    c.Polyline({{0, 9}}); // a single point draws nothing
    EXPECT_EQ(c.Pixel(0, 9), clBlack);
}

TEST(CanvasShapes, PolygonOutlinesWithThePenAndFillsWithTheBrush) {
    TBitmap b(12, 12, 24);
    TCanvas c(&b);
    c.Pen.Color = clBlue;
    c.Brush.Color = clYellow;
    c.Polygon({{1, 1}, {10, 1}, {10, 10}, {1, 10}});
    EXPECT_EQ(c.Pixel(1, 1), clBlue);
    EXPECT_EQ(c.Pixel(10, 10), clBlue);
    EXPECT_EQ(c.Pixel(1, 6), clBlue); // the closing side
    EXPECT_EQ(c.Pixel(5, 5), clYellow);
    EXPECT_EQ(c.Pixel(11, 11), clBlack);
    c.Brush.Style = bsClear;
    c.Brush.Color = clRed;
    c.Polygon({{2, 2}, {9, 2}, {9, 9}});
    EXPECT_EQ(c.Pixel(7, 4), clYellow);
}

// --- Transparent drawing and brush copy -------------------------------------------------------

namespace {

// A 4 x 4 source: the left half red, the right half the key colour (green), bottom-left
// pixel included, so the automatic transparent colour is red.
TBitmap KeyedSource(int bitCount) {
    TBitmap s(4, 4, bitCount);
    if (bitCount <= 8)
        s.SetPalette({0x000000, 0xFF0000, 0x00FF00, 0x0000FF});
    TCanvas c(&s);
    c.Brush.Color = clRed;
    c.FillRect(Rect(0, 0, 2, 4));
    c.Brush.Color = clLime;
    c.FillRect(Rect(2, 0, 4, 4));
    return s;
}

TBitmap Blue(int w, int h) {
    TBitmap d(w, h, 24);
    TCanvas c(&d);
    c.Brush.Color = clBlue;
    c.FillRect(c.ClipRect());
    return d;
}

} // namespace

class CanvasTransparentDraw : public ::testing::TestWithParam<int> {};

TEST_P(CanvasTransparentDraw, PixelsOfTheTransparentColourLeaveTheCanvas) {
    TBitmap s = KeyedSource(GetParam());
    EXPECT_EQ(s.TransparentColor(), clRed);
    s.SetTransparentColor(clLime);
    s.SetTransparent(true);
    TBitmap d = Blue(8, 8);
    TCanvas c(&d);
    c.CopyMode = cmSrcInvert; // a transparent drawing copies
    c.Draw(1, 1, s);
    EXPECT_EQ(c.Pixel(1, 1), clRed);
    EXPECT_EQ(c.Pixel(2, 4), clRed);
    EXPECT_EQ(c.Pixel(3, 1), clBlue);
    EXPECT_EQ(c.Pixel(4, 4), clBlue);
    EXPECT_EQ(CountColor(c, clRed), 8);

    TBitmap stretched = Blue(8, 8);
    TCanvas sc(&stretched);
    sc.StretchDraw(Rect(0, 0, 8, 8), s);
    EXPECT_EQ(CountColor(sc, clRed), 32);
    EXPECT_EQ(CountColor(sc, clBlue), 32);
}

INSTANTIATE_TEST_SUITE_P(Formats, CanvasTransparentDraw, ::testing::Values(24, 32, 8, 4));

TEST(CanvasTransparentDrawing, OpaqueUnlessTransparentAndAutomaticColourIsBottomLeft) {
    TBitmap s = KeyedSource(24);
    TBitmap d = Blue(4, 4);
    TCanvas c(&d);
    c.Draw(0, 0, s);
    EXPECT_EQ(CountColor(c, clLime), 8); // not transparent: all copied
    s.SetTransparent(true);              // automatic colour: the bottom-left red
    d = Blue(4, 4);
    c.Draw(0, 0, s);
    EXPECT_EQ(CountColor(c, clBlue), 8);
    EXPECT_EQ(CountColor(c, clLime), 8);
    s.SetTransparentColor(clDefault);
    EXPECT_EQ(s.TransparentMode(), tmAuto);
    EXPECT_EQ(TBitmap(3, 3, 1).TransparentColor(), clWhite);
    EXPECT_EQ(TBitmap().TransparentColor(), clNone);
}

TEST(CanvasTransparentDrawing, JpegPicturesDrawOpaque) {
    TJPEGImage jpeg;
    QImage image(2, 2, QImage::Format_RGB888);
    image.fill(QColor(255, 0, 0));
    jpeg.SetImage(image);
    jpeg.SetTransparent(true);
    TBitmap d = Blue(4, 4);
    TCanvas c(&d);
    c.StretchDraw(Rect(0, 0, 4, 4), jpeg);
    EXPECT_EQ(CountColor(c, clRed), 16);
}

TEST(CanvasBrushCopy, OneColourBecomesTheBrush) {
    for (const int bitCount : {24, 8}) {
        const TBitmap s = KeyedSource(bitCount);
        TBitmap d = Blue(6, 6);
        TCanvas c(&d);
        c.Brush.Color = clYellow;
        c.CopyMode = cmSrcInvert; // not used by a brush copy
        c.BrushCopy(Rect(1, 1, 5, 5), s, Rect(0, 0, 4, 4), clLime);
        EXPECT_EQ(CountColor(c, clYellow), 8) << bitCount;
        EXPECT_EQ(CountColor(c, clRed), 8) << bitCount;
        EXPECT_EQ(c.Pixel(4, 1), clYellow);
        EXPECT_EQ(c.Pixel(0, 0), clBlue);
        // Stretched from part of the source.
        c.BrushCopy(Rect(0, 0, 6, 6), s, Rect(1, 0, 3, 4), clLime);
        EXPECT_EQ(CountColor(c, clYellow), 18) << bitCount;
        EXPECT_EQ(CountColor(c, clRed), 18) << bitCount;
    }
}

TEST(CanvasColors, SystemColorsFollowTheApplicationPalette) {
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Light, QColor(4, 5, 6));
    palette.setColor(QPalette::Dark, QColor(7, 8, 9));
    palette.setColor(QPalette::Base, QColor(10, 11, 12));
    palette.setColor(QPalette::WindowText, QColor(13, 14, 15));
    QGuiApplication::setPalette(palette);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(1, 2, 3));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(4, 5, 6));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(7, 8, 9));
    EXPECT_EQ(ColorToRGB(clWindow), RGB(10, 11, 12));
    EXPECT_EQ(ColorToRGB(clWindowText), RGB(13, 14, 15));
    QGuiApplication::setPalette(saved);
}
