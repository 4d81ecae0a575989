#include <gtest/gtest.h>

#include "buttons/buttonlayout.h"

using namespace vexo;

namespace {

struct LayoutCase {
    const char* name;
    TRect client;
    int glyphW, glyphH;
    TRect text; // measured from (0, 0)
    TButtonLayout layout;
    int margin, spacing;
    TPoint glyph;
    TRect textBounds;
};

class GlyphTextLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(GlyphTextLayout, PlacesGlyphAndTextToThePixel) {
    const LayoutCase& c = GetParam();
    const TGlyphTextLayout got =
        CalcGlyphTextLayout(c.client, c.glyphW, c.glyphH, c.text, c.layout, c.margin, c.spacing);
    EXPECT_EQ(got.GlyphPos, c.glyph);
    EXPECT_EQ(got.TextBounds, c.textBounds);
}

// A 75 x 24 face, a 16 x 16 glyph and a 29 x 13 caption unless stated.
const TRect face = Rect(0, 0, 75, 24);
const TRect text = Rect(0, 0, 29, 13);

INSTANTIATE_TEST_SUITE_P(
    Cases, GlyphTextLayout,
    testing::Values(
        // Margin and spacing -1 share the free room in three: (75 - 45) / 3 = 10.
        LayoutCase{"AutoLeft", face, 16, 16, text, blGlyphLeft, -1, -1, {10, 4}, {36, 6, 65, 19}},
        // Margin and spacing 10 in all four layouts.
        LayoutCase{"Left", face, 16, 16, text, blGlyphLeft, 10, 10, {10, 4}, {36, 6, 65, 19}},
        LayoutCase{"Right", face, 16, 16, text, blGlyphRight, 10, 10, {49, 4}, {10, 6, 39, 19}},
        LayoutCase{"Top",
                   Rect(0, 0, 75, 60),
                   16,
                   16,
                   text,
                   blGlyphTop,
                   10,
                   10,
                   {29, 10},
                   {23, 36, 52, 49}},
        LayoutCase{"Bottom",
                   Rect(0, 0, 75, 60),
                   16,
                   16,
                   text,
                   blGlyphBottom,
                   10,
                   10,
                   {29, 34},
                   {23, 11, 52, 24}},
        // Margin -1 with spacing: the pair is centred, 75 / 2 - (16 + 4 + 29) / 2 = 13.
        LayoutCase{"CentredPair", face, 16, 16, text, blGlyphLeft, -1, 4, {13, 4}, {33, 6, 62, 19}},
        // Spacing -1: the caption centred in the rest, (75 - 18) / 2 - 29 / 2 = 14.
        LayoutCase{"CentredText", face, 16, 16, text, blGlyphLeft, 2, -1, {2, 4}, {32, 6, 61, 19}},
        // No caption: spacing 0, the glyph alone centred by the automatic margin.
        LayoutCase{"NoCaption",
                   face,
                   16,
                   16,
                   Rect(0, 0, 0, 0),
                   blGlyphLeft,
                   -1,
                   4,
                   {29, 4},
                   {45, 12, 45, 12}},
        // No glyph: the caption centred, spacing 0.
        LayoutCase{"NoGlyph", face, 0, 0, text, blGlyphLeft, -1, 4, {23, 12}, {23, 6, 52, 19}},
        // The client's offset moves both.
        LayoutCase{"Offset",
                   Rect(3, 5, 78, 29),
                   16,
                   16,
                   text,
                   blGlyphLeft,
                   10,
                   10,
                   {13, 9},
                   {39, 11, 68, 24}},
        // Truncation toward zero when the pair does not fit: (30 - 45) / 3 = -5.
        LayoutCase{"TooNarrow",
                   Rect(0, 0, 30, 24),
                   16,
                   16,
                   text,
                   blGlyphLeft,
                   -1,
                   -1,
                   {-5, 4},
                   {6, 6, 35, 19}}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

} // namespace
