#include <gtest/gtest.h>

#include "buttons/glyphtext.h"
#include "platform/image/canvas.h"
#include "platform/image/ropengine.h"

using namespace vexo;

namespace {

struct PlaceCase {
    const char* name;
    TRect rect;
    bool hasGlyph;
    TButtonLayout layout;
    TRect glyph, text;
};

class GlyphTextPlace : public testing::TestWithParam<PlaceCase> {};

TEST_P(GlyphTextPlace, CentresGlyphAndCaptionOnePixelApart) {
    const PlaceCase& c = GetParam();
    // A 16 x 16 glyph and a 29 x 13 caption.
    const TGlyphTextPlace at = PlaceGlyphWithText(c.rect, c.hasGlyph, 16, 16, 29, 13, c.layout);
    if (c.hasGlyph) {
        EXPECT_EQ(at.Glyph, c.glyph);
    }
    EXPECT_EQ(at.Text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GlyphTextPlace,
    testing::Values(PlaceCase{"Left", Rect(0, 0, 75, 24), true, blGlyphLeft, Rect(15, 4, 31, 20),
                              Rect(32, 5, 61, 18)},
                    PlaceCase{"Right", Rect(0, 0, 75, 24), true, blGlyphRight, Rect(45, 4, 61, 20),
                              Rect(15, 5, 44, 18)},
                    PlaceCase{"Top", Rect(0, 0, 75, 60), true, blGlyphTop, Rect(29, 15, 45, 31),
                              Rect(23, 32, 52, 45)},
                    PlaceCase{"Bottom", Rect(0, 0, 75, 60), true, blGlyphBottom,
                              Rect(29, 29, 45, 45), Rect(23, 15, 52, 28)},
                    PlaceCase{
                        "NoGlyph", Rect(0, 0, 75, 24), false, blGlyphTop, {}, Rect(23, 5, 52, 18)},
                    PlaceCase{"Offset", Rect(10, 20, 85, 44), true, blGlyphLeft,
                              Rect(25, 24, 41, 40), Rect(42, 25, 71, 38)},
                    PlaceCase{"TooSmall", Rect(0, 0, 20, 10), true, blGlyphLeft,
                              Rect(-12, -3, 4, 13), Rect(5, -1, 34, 12)}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

// A 4 x 4 picture (red with a transparent top-left quarter) beside its mask.
TBitmap ImageAndMask() {
    TBitmap glyph(8, 4, 24);
    TCanvas canvas(&glyph);
    canvas.Brush.Color = clRed;
    canvas.FillRect(Rect(0, 0, 4, 4));
    canvas.Brush.Color = clBlack;
    canvas.FillRect(Rect(0, 0, 2, 2));
    canvas.FillRect(Rect(4, 0, 8, 4));
    canvas.Brush.Color = clWhite;
    canvas.FillRect(Rect(4, 0, 6, 2));
    return glyph;
}

TEST(GlyphWithText, MaskThenImageLeaveTheTransparentPart) {
    TBitmap target(20, 20, 24);
    TCanvas canvas(&target);
    canvas.Brush.Color = clLime;
    canvas.FillRect(canvas.ClipRect());
    const TBitmap glyph = ImageAndMask();
    TRect text;
    DrawGlyphWithText(&glyph, blGlyphLeft, QString(), canvas, Rect(0, 0, 20, 20), text);
    // Glyph at (8, 8): its transparent quarter shows the lime background.
    EXPECT_EQ(canvas.Pixel(8, 8), clLime);
    EXPECT_EQ(canvas.Pixel(11, 11), clRed);
    EXPECT_EQ(canvas.Pixel(10, 8), clRed);
    EXPECT_EQ(canvas.Pixel(12, 8), clLime);
    EXPECT_EQ(text.Left, 13);
    EXPECT_EQ(canvas.CopyMode, SRCPAINT);
}

TEST(GlyphWithText, UsualGlyphTakesTheDisabledCellAndReplacesItsBackground) {
    // Two 4 x 4 cells, red and blue, on olive corners.
    TBitmap glyph(8, 4, 24);
    TCanvas g(&glyph);
    g.Brush.Color = clRed;
    g.FillRect(Rect(0, 0, 4, 4));
    g.Brush.Color = clBlue;
    g.FillRect(Rect(4, 0, 8, 4));
    g.SetPixel(0, 3, clOlive);
    g.SetPixel(4, 3, clOlive);
    TBitmap target(20, 20, 24);
    TCanvas canvas(&target);
    canvas.Brush.Color = clSilver;
    canvas.FillRect(canvas.ClipRect());
    TRect text;
    DrawUsualGlyphWithText(&glyph, blGlyphLeft, QString(), canvas, Rect(0, 0, 20, 20), text, false);
    EXPECT_EQ(canvas.Pixel(9, 9), clBlue);
    EXPECT_EQ(canvas.Pixel(8, 11), clSilver);
    DrawUsualGlyphWithText(&glyph, blGlyphLeft, QString(), canvas, Rect(0, 0, 20, 20), text, true);
    EXPECT_EQ(canvas.Pixel(9, 9), clRed);
}

} // namespace
