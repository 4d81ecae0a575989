// 3-D text: where the highlight, shadow and face copies land for each light position and
// depth, and the vertical layout.
#include "edits/draw3dtext.h"

#include "edittestkit.h"

using namespace vexo;
using namespace vexo::edittest;

namespace {

constexpr TColor Face = clBlack;
constexpr TColor Light = clRed;
constexpr TColor Shadow = clBlue;

TBitmap Draw(TLightPos light, int depth, TTextLayout layout, TRect& rect,
             const QString& text = QStringLiteral("I")) {
    TBitmap b(80, 60, 24);
    TCanvas c(&b);
    c.Brush.Color = clWhite;
    c.FillRect(c.ClipRect());
    c.Brush.Style = bsClear;
    c.Font.SetHeight(-20);
    Draw3DText(text, rect, c, light, Face, Light, Shadow, depth, taLeftJustify, layout, false,
               false, false);
    return b;
}

struct TLightRow {
    TLightPos light;
    int dx, dy; // towards the light, per unit of depth
};

} // namespace

class Draw3DTextLight : public ::testing::TestWithParam<std::tuple<TLightRow, int>> {};

// A single "I" drawn three times: the highlight's left column is the face's moved towards
// the light, the shadow's the other way. Where copies overlap the later one wins, so the
// columns and rows compared are the outermost ones of each colour.
TEST_P(Draw3DTextLight, CopiesMoveByTheDepthTowardsAndAwayFromTheLight) {
    const auto [row, depth] = GetParam();
    TRect rect = Rect(0, 0, 80, 60);
    const TBitmap b = Draw(row.light, depth, tlTop, rect);
    TRect faceOnly = Rect(0, 0, 80, 60);
    const TBitmap plain = Draw(row.light, 0, tlTop, faceOnly);
    const TRect face = InkBox(plain, Face);
    ASSERT_FALSE(Empty(face));
    // The face text stands inset by depth + 2 and depth + 1 (versus 2 and 1 at depth 0).
    const TRect drawnFace = InkBox(b, Face);
    EXPECT_EQ(drawnFace.Left, face.Left + depth);
    EXPECT_EQ(drawnFace.Top, face.Top + depth);
    const TRect lit = InkBox(b, Light);
    const TRect dark = InkBox(b, Shadow);
    ASSERT_FALSE(Empty(lit));
    ASSERT_FALSE(Empty(dark));
    const int d = depth;
    auto expectEdges = [&](const TRect& box, int sx, int sy, const char* what) {
        // Along each axis, the copy's outer edge on its side of the face.
        if (sx < 0) {
            EXPECT_EQ(box.Left, drawnFace.Left + sx * d) << what;
        } else if (sx > 0) {
            EXPECT_EQ(box.Right, drawnFace.Right + sx * d) << what;
        } else {
            EXPECT_EQ(box.Left, drawnFace.Left) << what;
        }
        if (sy < 0) {
            EXPECT_EQ(box.Top, drawnFace.Top + sy * d) << what;
        } else if (sy > 0) {
            EXPECT_EQ(box.Bottom, drawnFace.Bottom + sy * d) << what;
        }
    };
    expectEdges(lit, row.dx, row.dy, "highlight");
    expectEdges(dark, -row.dx, -row.dy, "shadow");
}

INSTANTIATE_TEST_SUITE_P(
    LightsAndDepths, Draw3DTextLight,
    ::testing::Combine(::testing::Values(TLightRow{lpLeft, -1, 0}, TLightRow{lpRight, 1, 0},
                                         TLightRow{lpTop, 0, -1}, TLightRow{lpBottom, 0, 1},
                                         TLightRow{lpLeftTop, -1, -1},
                                         TLightRow{lpLeftBottom, -1, 1},
                                         TLightRow{lpRightTop, 1, -1},
                                         TLightRow{lpRightBottom, 1, 1}),
                       ::testing::Values(2, 3)));

TEST(Draw3DText, DepthOfOneOrLessDrawsTheFaceOnlyStillInset) {
    for (int depth : {0, 1}) {
        TRect rect = Rect(0, 0, 80, 60);
        const TBitmap b = Draw(lpLeftTop, depth, tlTop, rect);
        EXPECT_TRUE(Empty(InkBox(b, Light))) << depth;
        EXPECT_TRUE(Empty(InkBox(b, Shadow))) << depth;
        EXPECT_EQ(rect.Left, depth + 2);
        EXPECT_EQ(rect.Top, depth + 1);
    }
    TRect rect = Rect(0, 0, 80, 60);
    Draw(lpLeftTop, -3, tlTop, rect); // negative counts as 0
    EXPECT_EQ(rect.Left, 2);
}

// The text is centred in the rectangle wherever the rectangle starts (the measured bottom
// is compared with the rectangle's bottom, not with its height).
TEST(Draw3DText, CentredAndBottomLayoutWhereverTheRectangleStarts) {
    for (int top : {0, 17}) {
        TRect top0 = Rect(0, top, 80, top + 40);
        const TRect atTop = InkBox(Draw(lpTop, 0, tlTop, top0), Face);
        TRect centre = Rect(0, top, 80, top + 40);
        const TRect centred = InkBox(Draw(lpTop, 0, tlCenter, centre), Face);
        TRect bottom = Rect(0, top, 80, top + 40);
        const TRect bottomed = InkBox(Draw(lpTop, 0, tlBottom, bottom), Face);
        TCanvas measure;
        measure.Font.SetHeight(-20);
        const int free = (40 - 2) - measure.TextHeight(QStringLiteral("I"));
        EXPECT_EQ(centred.Top - atTop.Top, free / 2) << top;
        EXPECT_EQ(bottomed.Top - atTop.Top, free) << top;
    }
}

TEST(Draw3DText, CalcOnlyMeasuresAndDrawsNothing) {
    TBitmap b(80, 60, 24);
    TCanvas c(&b);
    c.Brush.Color = clWhite;
    c.FillRect(c.ClipRect());
    c.Brush.Style = bsClear;
    TRect rect = Rect(10, 10, 80, 60);
    Draw3DText(QStringLiteral("Wide text"), rect, c, lpLeftTop, Face, Light, Shadow, 2,
               taLeftJustify, tlTop, false, false, true);
    EXPECT_TRUE(Empty(InkBox(b, Face)));
    EXPECT_EQ(rect.Left, 14);
    EXPECT_EQ(rect.Top, 13);
    EXPECT_EQ(rect.Width(), c.TextWidth(QStringLiteral("Wide text")));
    EXPECT_EQ(c.Font.Color(), Face); // the font colour ends as the face colour
}
