#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "buttons/buttonface.h"
#include "platform/image/canvas.h"

using namespace vexo;

namespace {

struct Pixel {
    int x, y;
    TColor color;
};

struct FaceCase {
    const char* name;
    std::function<TRect(TCanvas&)> draw; // on a 20 x 10 canvas filled white
    TRect content;
    std::vector<Pixel> pixels;
};

class ButtonFace : public testing::TestWithParam<FaceCase> {};

TEST_P(ButtonFace, DrawsItsBevelsToThePixel) {
    const FaceCase& c = GetParam();
    TBitmap target(20, 10, 24);
    TCanvas canvas(&target);
    canvas.Brush.Color = clWhite;
    canvas.FillRect(canvas.ClipRect());
    canvas.Pen.Color = clBlack;
    EXPECT_EQ(c.draw(canvas), c.content);
    for (const Pixel& p : c.pixels)
        EXPECT_EQ(canvas.Pixel(p.x, p.y), ColorToRGB(p.color)) << "at " << p.x << "," << p.y;
}

const TColor HL = clBtnHighlight, SH = clBtnShadow, FR = clWindowFrame, FC = clBtnFace,
             WT = clWindowText;

INSTANTIATE_TEST_SUITE_P(
    Styles, ButtonFace,
    testing::Values(FaceCase{"NewUp",
                             [](TCanvas& c) {
                                 return DrawButtonFace(c, Rect(0, 0, 20, 10), clRed, 1, bsNew,
                                                       false, false, false);
                             },
                             Rect(1, 1, 19, 9),
                             {{0, 0, HL},
                              {5, 0, HL},
                              {0, 5, HL},
                              {19, 0, FR},
                              {19, 5, FR},
                              {5, 9, FR},
                              {1, 1, FC},
                              {5, 1, FC},
                              {18, 5, SH},
                              {5, 8, SH},
                              {5, 5, clRed}}},
                    FaceCase{"NewDown",
                             [](TCanvas& c) {
                                 return DrawButtonFace(c, Rect(0, 0, 20, 10), clRed, 1,
                                                       bsAutoDetect, false, true, false);
                             },
                             Rect(2, 2, 20, 10),
                             {{0, 0, FR},
                              {0, 5, FR},
                              {19, 5, HL},
                              {5, 9, HL},
                              {1, 1, SH},
                              {18, 5, FC},
                              {5, 5, clRed}}},
                    FaceCase{"NewFocused",
                             [](TCanvas& c) {
                                 return DrawButtonFace(c, Rect(0, 0, 20, 10), clRed, 1, bsNew,
                                                       false, false, true);
                             },
                             Rect(1, 1, 19, 9),
                             {{3, 3, clBlack}, {16, 6, clBlack}, {2, 2, clRed}, {5, 5, clRed}}},
                    FaceCase{"OldRoundedWideBevel",
                             [](TCanvas& c) {
                                 return DrawButtonFace(c, Rect(0, 0, 20, 10), clRed, 2, bsWin31,
                                                       true, false, false);
                             },
                             Rect(2, 2, 18, 8),
                             {{0, 0, FC},
                              {19, 9, FC},
                              {5, 0, FR},
                              {0, 5, FR},
                              {1, 1, HL},
                              {2, 2, HL},
                              {18, 5, SH},
                              {17, 5, SH},
                              {3, 3, clRed}}},
                    FaceCase{"OldDown",
                             [](TCanvas& c) {
                                 return DrawButtonFace(c, Rect(0, 0, 20, 10), clRed, 1, bsWin31,
                                                       false, true, false);
                             },
                             Rect(2, 2, 20, 10),
                             {{0, 0, FR}, {1, 5, SH}, {5, 1, SH}, {18, 5, clRed}, {5, 8, clRed}}},
                    FaceCase{"BitBtnUp",
                             [](TCanvas& c) {
                                 return NewDrawButtonFace(c, Rect(0, 0, 20, 10), clRed, false,
                                                          false, false, false, true);
                             },
                             Rect(0, 0, 20, 10),
                             {{0, 5, HL},
                              {5, 0, HL},
                              {19, 0, SH},
                              {19, 5, SH},
                              {5, 9, SH},
                              {0, 9, SH},
                              {18, 8, clRed}}},
                    FaceCase{"BitBtnHot",
                             [](TCanvas& c) {
                                 return NewDrawButtonFace(c, Rect(0, 0, 20, 10), clRed, true, false,
                                                          false, false, true);
                             },
                             Rect(0, 0, 20, 10),
                             {{19, 5, WT},
                              {5, 9, WT},
                              {18, 5, SH},
                              {5, 8, SH},
                              {0, 5, HL},
                              {5, 0, HL},
                              {5, 5, clRed}}},
                    FaceCase{"BitBtnDown",
                             [](TCanvas& c) {
                                 return NewDrawButtonFace(c, Rect(0, 0, 20, 10), clRed, false, true,
                                                          false, false, true);
                             },
                             Rect(1, 1, 21, 11),
                             {{0, 5, SH}, {5, 0, SH}, {19, 5, HL}, {5, 9, HL}, {5, 5, clRed}}},
                    FaceCase{"BitBtnDefault",
                             [](TCanvas& c) {
                                 return NewDrawButtonFace(c, Rect(0, 0, 20, 10), clRed, false,
                                                          false, true, false, true);
                             },
                             Rect(1, 1, 19, 9),
                             {{0, 0, WT}, {19, 9, WT}, {1, 5, HL}, {18, 5, SH}, {5, 5, clRed}}},
                    FaceCase{"BitBtnNoFocusFrame",
                             [](TCanvas& c) {
                                 return NewDrawButtonFace(c, Rect(0, 0, 20, 10), clRed, false,
                                                          false, true, true, false);
                             },
                             Rect(0, 0, 20, 10),
                             {{0, 5, HL}, {4, 4, clRed}}}),
    [](const testing::TestParamInfo<FaceCase>& info) { return info.param.name; });

TEST(ButtonFace, ActiveAndFocusedBitBtnGetsTheFocusRectangle) {
    TBitmap target(20, 10, 24);
    TCanvas canvas(&target);
    const TRect r =
        NewDrawButtonFace(canvas, Rect(0, 0, 20, 10), clRed, false, false, true, true, true);
    EXPECT_EQ(r, Rect(4, 4, 16, 6));
    // The dotted frame inverts every other pixel of its border.
    int changed = 0;
    for (int x = 4; x < 16; ++x)
        changed += canvas.Pixel(x, 4) != clRed;
    EXPECT_GE(changed, 5);
    EXPECT_LE(changed, 7);
}

} // namespace
