// 3-D frames, edges, the focus rectangle and the push-button frame on the canvas.

#include <gtest/gtest.h>

#include "platform/image/canvas.h"

using namespace vexo;

namespace {

constexpr TColor Paper = RGB(1, 2, 3); // no system colour has it

TBitmap PaperBitmap(int w, int h) {
    TBitmap b(w, h, 24);
    TCanvas c(&b);
    c.Brush.Color = Paper;
    c.FillRect(c.ClipRect());
    return b;
}

// Pixels of the ring `inset` pixels inside r, side by side.
struct Ring {
    TColor Top, Left, Bottom, Right, TopLeft, TopRight, BottomLeft, BottomRight;
};

Ring RingOf(const TCanvas& c, const TRect& r, int inset) {
    const int l = r.Left + inset, t = r.Top + inset, ri = r.Right - 1 - inset,
              b = r.Bottom - 1 - inset;
    const int mx = (l + ri) / 2, my = (t + b) / 2;
    return {c.Pixel(mx, t), c.Pixel(l, my), c.Pixel(mx, b), c.Pixel(ri, my),
            c.Pixel(l, t),  c.Pixel(ri, t), c.Pixel(l, b),  c.Pixel(ri, b)};
}

void ExpectRing(const Ring& ring, TColor topLeft, TColor bottomRight, const char* what) {
    const TColor tl = ColorToRGB(topLeft), br = ColorToRGB(bottomRight);
    EXPECT_EQ(ring.Top, tl) << what;
    EXPECT_EQ(ring.Left, tl) << what;
    EXPECT_EQ(ring.TopLeft, tl) << what;
    EXPECT_EQ(ring.Bottom, br) << what;
    EXPECT_EQ(ring.Right, br) << what;
    EXPECT_EQ(ring.BottomRight, br) << what;
    // The corners the two colours share go to the bottom-right one.
    EXPECT_EQ(ring.TopRight, br) << what;
    EXPECT_EQ(ring.BottomLeft, br) << what;
}

} // namespace

// --- Edges ----------------------------------------------------------------------------------

struct EdgeCase {
    const char* name;
    unsigned edge;
    unsigned flags;
    TColor outerTopLeft, outerBottomRight;
    TColor innerTopLeft, innerBottomRight; // clNone: a single line
};

class CanvasEdges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(CanvasEdges, EachLineTakesItsSystemColours) {
    const EdgeCase& e = GetParam();
    TBitmap b = PaperBitmap(20, 16);
    TCanvas c(&b);
    const TRect r = Rect(2, 2, 18, 14);
    TRect adjusted = r;
    EXPECT_TRUE(c.DrawEdge(adjusted, e.edge, e.flags | BF_RECT | BF_ADJUST));
    ExpectRing(RingOf(c, r, 0), e.outerTopLeft, e.outerBottomRight, e.name);
    const int lines = e.innerTopLeft == clNone ? 1 : 2;
    if (lines == 2)
        ExpectRing(RingOf(c, r, 1), e.innerTopLeft, e.innerBottomRight, e.name);
    EXPECT_EQ(adjusted, Rect(2 + lines, 2 + lines, 18 - lines, 14 - lines)) << e.name;
    EXPECT_EQ(c.Pixel(9, 8), Paper) << e.name; // no BF_MIDDLE
    EXPECT_EQ(c.Pixel(1, 1), Paper) << e.name;
    EXPECT_EQ(c.Pixel(18, 14), Paper) << e.name;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CanvasEdges,
    ::testing::Values(
        EdgeCase{"raised outer", BDR_RAISEDOUTER, 0, cl3DLight, cl3DDkShadow, clNone, clNone},
        EdgeCase{"sunken outer", BDR_SUNKENOUTER, 0, clBtnShadow, clBtnHighlight, clNone, clNone},
        EdgeCase{"raised inner", BDR_RAISEDINNER, 0, clBtnHighlight, clBtnShadow, clNone, clNone},
        EdgeCase{"sunken inner", BDR_SUNKENINNER, 0, cl3DDkShadow, cl3DLight, clNone, clNone},
        EdgeCase{"raised", EDGE_RAISED, 0, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow},
        EdgeCase{"sunken", EDGE_SUNKEN, 0, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
        EdgeCase{"etched", EDGE_ETCHED, 0, clBtnShadow, clBtnHighlight, clBtnHighlight,
                 clBtnShadow},
        EdgeCase{"soft raised", EDGE_RAISED, BF_SOFT, clBtnHighlight, cl3DDkShadow, cl3DLight,
                 clBtnShadow},
        EdgeCase{"soft sunken", EDGE_SUNKEN, BF_SOFT, cl3DDkShadow, clBtnHighlight, clBtnShadow,
                 cl3DLight}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(CanvasEdge, OnlyTheSidesAskedForAreDrawn) {
    TBitmap b = PaperBitmap(12, 12);
    TCanvas c(&b);
    TRect r = Rect(1, 1, 11, 11);
    c.DrawEdge(r, BDR_SUNKENINNER, BF_RIGHT | BF_BOTTOM | BF_ADJUST);
    EXPECT_EQ(r, Rect(1, 1, 10, 10));
    EXPECT_EQ(c.Pixel(10, 5), ColorToRGB(cl3DLight));
    EXPECT_EQ(c.Pixel(5, 10), ColorToRGB(cl3DLight));
    EXPECT_EQ(c.Pixel(1, 5), Paper);
    EXPECT_EQ(c.Pixel(5, 1), Paper);
}

TEST(CanvasEdge, MiddleFillsWithButtonFaceAndNoLineDrawsNothing) {
    TBitmap b = PaperBitmap(12, 12);
    TCanvas c(&b);
    c.Brush.Color = clRed;
    TRect r = Rect(0, 0, 12, 12);
    c.DrawEdge(r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(r, Rect(0, 0, 12, 12)); // no BF_ADJUST
    EXPECT_EQ(c.Pixel(6, 6), ColorToRGB(clBtnFace));
    EXPECT_EQ(c.Pixel(2, 2), ColorToRGB(clBtnFace));
    EXPECT_EQ(c.Brush.Color, clRed);
    TBitmap untouched = PaperBitmap(12, 12);
    TCanvas u(&untouched);
    EXPECT_FALSE(u.DrawEdge(r, BDR_RAISEDOUTER | BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE));
    EXPECT_TRUE(untouched == PaperBitmap(12, 12));
}

// --- 3-D frames -----------------------------------------------------------------------------

TEST(CanvasFrame3D, RingsShrinkTheRectangleAndKeepThePen) {
    TBitmap b = PaperBitmap(14, 12);
    TCanvas c(&b);
    c.Pen.Color = clRed;
    c.Pen.Mode = pmXor;
    TRect r = Rect(1, 1, 13, 11);
    c.Frame3D(r, clWhite, clGray, 2);
    EXPECT_EQ(r, Rect(3, 3, 11, 9));
    ExpectRing(RingOf(c, Rect(1, 1, 13, 11), 0), clWhite, clGray, "outer ring");
    ExpectRing(RingOf(c, Rect(1, 1, 13, 11), 1), clWhite, clGray, "inner ring");
    EXPECT_EQ(c.Pixel(6, 6), Paper);
    EXPECT_EQ(c.Pen.Color, clRed);
    EXPECT_EQ(c.Pen.Mode, pmXor);
    TRect same = r;
    c.Frame3D(same, clWhite, clGray, 0);
    EXPECT_EQ(same, r);
    EXPECT_EQ(c.Pixel(3, 3), Paper);
}

// --- Focus rectangle and push-button frame --------------------------------------------------

TEST(CanvasFocusRect, InvertsEveryOtherBorderPixelAndUndoesItself) {
    TBitmap b = PaperBitmap(10, 8);
    const TBitmap before = b;
    TCanvas c(&b);
    c.DrawFocusRect(Rect(1, 1, 9, 7));
    EXPECT_EQ(c.Pixel(1, 1), RGB(254, 253, 252));
    EXPECT_EQ(c.Pixel(2, 1), Paper);
    EXPECT_EQ(c.Pixel(3, 1), RGB(254, 253, 252));
    EXPECT_EQ(c.Pixel(1, 2), Paper);
    EXPECT_EQ(c.Pixel(4, 4), Paper);
    c.DrawFocusRect(Rect(1, 1, 9, 7));
    EXPECT_TRUE(b == before);
}

TEST(CanvasFrameControl, PushButtonFrameRaisedOrPressed) {
    TBitmap b = PaperBitmap(20, 12);
    TCanvas c(&b);
    TRect r = Rect(0, 0, 20, 12);
    EXPECT_TRUE(c.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT));
    EXPECT_EQ(r, Rect(2, 2, 18, 10));
    EXPECT_EQ(c.Pixel(5, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(c.Pixel(5, 11), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(c.Pixel(5, 5), ColorToRGB(clBtnFace));
    r = Rect(0, 0, 20, 12);
    EXPECT_TRUE(c.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED));
    EXPECT_EQ(r, Rect(0, 0, 20, 12));
    EXPECT_EQ(c.Pixel(5, 0), ColorToRGB(clWindowFrame));
    EXPECT_EQ(c.Pixel(5, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(c.Pixel(5, 10), ColorToRGB(clBtnShadow));
    EXPECT_FALSE(c.DrawFrameControl(r, 1, 0)); // other frame controls are not drawn
}
