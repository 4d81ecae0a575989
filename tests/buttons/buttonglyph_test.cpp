#include <gtest/gtest.h>

#include "buttons/buttonglyph.h"
#include "buttons/embossedglyph.h"
#include "buttons/glyphlist.h"
#include "platform/image/canvas.h"
#include "platform/image/pixelformat.h"

using namespace vexo;

namespace {

// A glyph of `cells` cells of `size` x `size`, cell i filled with colours[i], its bottom-left
// pixel olive (the mask colour).
const TColor cellColours[] = {clRed, clLime, clBlue, clYellow, clAqua};
TBitmap Cells(int cells, int size = 4) {
    TBitmap glyph(cells * size, size, 24);
    TCanvas canvas(&glyph);
    for (int i = 0; i < cells; ++i) {
        canvas.Brush.Color = cellColours[i];
        canvas.FillRect(Rect(i * size, 0, (i + 1) * size, size));
    }
    canvas.SetPixel(0, size - 1, clOlive);
    return glyph;
}

TBitmap Face(int w, int h, TColor color = clWhite) {
    TBitmap bitmap(w, h, 24);
    TCanvas canvas(&bitmap);
    canvas.Brush.Color = color;
    canvas.FillRect(canvas.ClipRect());
    return bitmap;
}

} // namespace

struct CellCountCase {
    const char* name;
    int width, height, before, after;
};

class ButtonGlyphCells : public testing::TestWithParam<CellCountCase> {};

TEST_P(ButtonGlyphCells, NumGlyphsFollowsTheGlyphShape) {
    const CellCountCase& c = GetParam();
    TButtonGlyph glyph;
    glyph.SetNumGlyphs(c.before);
    const TBitmap bitmap = Face(c.width, c.height, clRed);
    glyph.SetGlyph(&bitmap);
    EXPECT_EQ(glyph.NumGlyphs(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ButtonGlyphCells,
                         testing::Values(CellCountCase{"TwoSquares", 36, 18, 1, 2},
                                         CellCountCase{"FourSquares", 72, 18, 1, 4},
                                         CellCountCase{"FiveSquaresBecomeOne", 90, 18, 3, 1},
                                         CellCountCase{"NotAMultipleKeepsThePrevious", 40, 18, 3,
                                                       3},
                                         CellCountCase{"ZeroHighKeepsThePrevious", 40, 0, 2, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ButtonGlyph, SetNumGlyphsClampsAndIgnoresZero) {
    TButtonGlyph glyph;
    glyph.SetNumGlyphs(7);
    EXPECT_EQ(glyph.NumGlyphs(), 4);
    glyph.SetNumGlyphs(0);
    glyph.SetNumGlyphs(-3);
    EXPECT_EQ(glyph.NumGlyphs(), 4);
    glyph.SetNumGlyphs(2);
    EXPECT_EQ(glyph.NumGlyphs(), 2);
}

TEST(ButtonGlyph, MaskColourIsTheBottomLeftPixel) {
    TButtonGlyph glyph;
    TBitmap bitmap = Face(4, 4, clRed);
    TCanvas(&bitmap).SetPixel(0, 3, clFuchsia);
    glyph.SetGlyph(&bitmap);
    EXPECT_EQ(glyph.MaskColor(), clFuchsia);
    // A change in place takes the new colour and gives the images back.
    EXPECT_GE(glyph.CreateButtonGlyph(bsUp), 0);
    int changes = 0;
    glyph.OnGlyphChange = [&](QObject*) { ++changes; };
    glyph.ChangeGlyph([](TBitmap& b) { TCanvas(&b).SetPixel(0, 3, clTeal); });
    EXPECT_EQ(glyph.MaskColor(), clTeal);
    EXPECT_EQ(glyph.StateIndex(bsUp), -1);
    EXPECT_EQ(changes, 1);
}

struct StateCellCase {
    const char* name;
    int cells;
    TButtonState state;
    int expectedCell;
};

class ButtonGlyphStates : public testing::TestWithParam<StateCellCase> {};

TEST_P(ButtonGlyphStates, EachStateDrawsItsCell) {
    const StateCellCase& c = GetParam();
    TButtonGlyph glyph;
    const TBitmap bitmap = Cells(c.cells);
    glyph.SetGlyph(&bitmap);
    ASSERT_EQ(glyph.NumGlyphs(), c.cells);
    TBitmap target = Face(6, 6);
    TCanvas canvas(&target);
    glyph.DrawButtonGlyph(canvas, 1, 1, c.state, false);
    EXPECT_EQ(canvas.Pixel(3, 2), cellColours[c.expectedCell]);
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixel(5, 5), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Cells, ButtonGlyphStates,
                         testing::Values(StateCellCase{"DownWithTwoCellsIsUp", 2, bsDown, 0},
                                         StateCellCase{"DownWithThreeCells", 3, bsDown, 2},
                                         StateCellCase{"ExclusiveWithTwoCellsIsCellZero", 2,
                                                       bsExclusive, 0},
                                         StateCellCase{"ExclusiveWithFourCells", 4, bsExclusive, 3},
                                         StateCellCase{"DisabledWithTwoCells", 2, bsDisabled, 1},
                                         StateCellCase{"UpWithFourCells", 4, bsUp, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ButtonGlyph, DownWithFewCellsSharesTheUpImage) {
    TButtonGlyph glyph;
    const TBitmap bitmap = Cells(2);
    glyph.SetGlyph(&bitmap);
    const int up = glyph.CreateButtonGlyph(bsUp);
    EXPECT_EQ(glyph.CreateButtonGlyph(bsDown), up);
    EXPECT_EQ(glyph.SharedList()->UsedCount(), 1);
}

TEST(ButtonGlyph, MaskColourShowsTheFaceOrStaysTransparent) {
    TButtonGlyph glyph;
    const TBitmap bitmap = Cells(1);
    glyph.SetGlyph(&bitmap);
    glyph.SetFaceColor(clSilver);
    TBitmap target = Face(4, 4, clNavy);
    TCanvas canvas(&target);
    glyph.DrawButtonGlyph(canvas, 0, 0, bsUp, false);
    EXPECT_EQ(canvas.Pixel(0, 3), clSilver);
    EXPECT_EQ(canvas.Pixel(1, 1), clRed);
    canvas.SetPixel(0, 3, clNavy);
    glyph.DrawButtonGlyph(canvas, 0, 0, bsUp, true);
    EXPECT_EQ(canvas.Pixel(0, 3), clNavy);
}

TEST(ButtonGlyph, OneCellDisabledIsTheEmbossedImage) {
    TButtonGlyph glyph;
    TBitmap bitmap = Face(4, 4, clOlive);
    TCanvas paint(&bitmap);
    paint.SetPixel(1, 1, clBlack);
    paint.SetPixel(2, 1, clBlack);
    glyph.SetGlyph(&bitmap);
    glyph.SetFaceColor(clSilver);
    TBitmap target = Face(4, 4);
    TCanvas canvas(&target);
    glyph.DrawButtonGlyph(canvas, 0, 0, bsDisabled, false);
    const TBitmap expected = CreateEmbossedGlyph(bitmap, 4, clOlive, clSilver);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(canvas.Pixel(x, y), RgbToColor(expected.PixelRgb(x, y))) << x << "," << y;
    EXPECT_EQ(canvas.Pixel(1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(canvas.Pixel(3, 2), clWhite);
}

TEST(ButtonGlyph, EmptyGlyphMakesAndDrawsNothing) {
    TButtonGlyph glyph;
    EXPECT_EQ(glyph.CreateButtonGlyph(bsUp), -1);
    const TBitmap narrow = Face(3, 18, clRed);
    glyph.SetNumGlyphs(4);
    glyph.SetGlyph(&narrow); // cells of 0 pixels
    EXPECT_EQ(glyph.CreateButtonGlyph(bsDisabled), -1);
    TBitmap target = Face(4, 4);
    TCanvas canvas(&target);
    glyph.DrawButtonGlyph(canvas, 0, 0, bsUp, false);
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
    EXPECT_EQ(glyph.SharedList(), nullptr);
}

TEST(ButtonGlyph, DrawPlacesGlyphAndReturnsTheTextBounds) {
    // No caption: spacing 0, so the margin centres the glyph alone: 75 / 2 - 16 / 2 = 29.
    TButtonGlyph glyph;
    const TBitmap bitmap = Face(16, 16, clRed);
    glyph.SetGlyph(&bitmap);
    glyph.SetMaskColor(clOlive);
    TBitmap target = Face(75, 24);
    TCanvas canvas(&target);
    const TRect text =
        glyph.Draw(canvas, Rect(0, 0, 75, 24), QString(), blGlyphLeft, -1, -1, bsUp, false);
    EXPECT_EQ(text, Rect(45, 12, 45, 12));
    EXPECT_EQ(canvas.Pixel(29, 4), clRed);
    EXPECT_EQ(canvas.Pixel(44, 19), clRed);
    EXPECT_EQ(canvas.Pixel(28, 4), clWhite);
    EXPECT_EQ(canvas.Pixel(45, 4), clWhite);
    EXPECT_EQ(canvas.Pixel(29, 3), clWhite);
    EXPECT_EQ(canvas.Pixel(29, 20), clWhite);
}

TEST(ButtonGlyph, CaptionWithLineBreakIsMeasuredOverItsLines) {
    TButtonGlyph glyph;
    TBitmap target = Face(75, 60);
    TCanvas canvas(&target);
    TPoint at;
    TRect one, two;
    glyph.CalcButtonLayout(canvas, Rect(0, 0, 75, 60), "Ab", blGlyphLeft, -1, -1, at, one);
    glyph.CalcButtonLayout(canvas, Rect(0, 0, 75, 60), "Ab\nAb", blGlyphLeft, -1, -1, at, two);
    EXPECT_EQ(two.Height(), 2 * one.Height());
    EXPECT_EQ(two.Width(), one.Width());
}

TEST(ButtonGlyph, DisabledTextKeepsItsLinesOthersDrawOneLine) {
    TButtonGlyph glyph;
    const TRect bounds = Rect(0, 0, 60, 40);
    auto inkRows = [&](TButtonState state) {
        TBitmap target = Face(60, 40);
        TCanvas canvas(&target);
        canvas.Font.SetColor(clBlack);
        glyph.DrawButtonText(canvas, "Ab\nAb", bounds, state);
        int rows = 0;
        for (int y = 0; y < 40; ++y) {
            bool ink = false;
            for (int x = 0; x < 60; ++x)
                ink = ink || canvas.Pixel(x, y) != clWhite;
            rows += ink;
        }
        return rows;
    };
    const int up = inkRows(bsUp), disabled = inkRows(bsDisabled);
    EXPECT_GT(up, 0);
    EXPECT_GT(disabled, up + 6); // two lines (and the shadow row) against one
}
