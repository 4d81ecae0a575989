// The framework's panel base: the bevels and band it paints, and the room it leaves its
// aligned children.
#include "platform/gui/custompanel.h"

#include <gtest/gtest.h>

#include "platform/gui/form.h"
#include "platform/image/canvas.h"

using namespace vexo;

namespace {

TColor At(const TBitmap& b, int x, int y) {
    // PixelRgb is 0x00RRGGBB; a TColor has red in the low byte.
    const std::uint32_t v = b.PixelRgb(x, y);
    return TColor(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16));
}

struct TBevelRow {
    TBevelCut outer;
    TBevelCut inner;
    int bevelWidth;
    int borderWidth;
    TBorderStyle border;
    int frame; // FrameWidth
};

} // namespace

class PanelFrame : public ::testing::TestWithParam<TBevelRow> {};

// Walks in from the top-left corner along the diagonal and checks every ring's colour.
TEST_P(PanelFrame, RingsFromOutsideIn) {
    const TBevelRow& row = GetParam();
    TForm form;
    TCustomPanel panel(&form);
    panel.SetColor(clRed);
    panel.SetBevelOuter(row.outer);
    panel.SetBevelInner(row.inner);
    panel.SetBevelWidth(row.bevelWidth);
    panel.SetBorderWidth(row.borderWidth);
    panel.SetBorderStyle(row.border);
    panel.SetBounds(0, 0, 40, 30);
    ASSERT_EQ(panel.FrameWidth(), row.frame);

    QList<TColor> topLeft, bottomRight;
    auto rings = [&](int n, TColor tl, TColor br) {
        for (int i = 0; i < n; ++i) {
            topLeft.append(ColorToRGB(tl));
            bottomRight.append(ColorToRGB(br));
        }
    };
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvRaised)
            rings(row.bevelWidth, clBtnHighlight, clBtnShadow);
        else if (cut == bvLowered)
            rings(row.bevelWidth, clBtnShadow, clBtnHighlight);
        else if (cut == bvSpace)
            rings(row.bevelWidth, clRed, clRed);
    };
    if (row.border == bsSingle)
        rings(1, clWindowFrame, clWindowFrame);
    bevel(row.outer);
    rings(row.borderWidth, clRed, clRed);
    bevel(row.inner);
    rings(1, clRed, clRed); // the face

    const TBitmap shot = panel.PaintToBitmap();
    for (int i = 0; i < topLeft.size(); ++i) {
        EXPECT_EQ(At(shot, i, 15), topLeft[i]) << "left ring " << i;
        EXPECT_EQ(At(shot, 20, i), topLeft[i]) << "top ring " << i;
        EXPECT_EQ(At(shot, 39 - i, 15), bottomRight[i]) << "right ring " << i;
        EXPECT_EQ(At(shot, 20, 29 - i), bottomRight[i]) << "bottom ring " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Bevels, PanelFrame,
                         ::testing::Values(TBevelRow{bvRaised, bvNone, 1, 0, bsNone, 1},
                                           TBevelRow{bvLowered, bvNone, 2, 0, bsNone, 2},
                                           TBevelRow{bvNone, bvNone, 1, 0, bsNone, 0},
                                           TBevelRow{bvRaised, bvLowered, 1, 3, bsNone, 5},
                                           TBevelRow{bvLowered, bvRaised, 2, 1, bsSingle, 6},
                                           TBevelRow{bvSpace, bvRaised, 1, 0, bsNone, 2}));

TEST(CustomPanel, AlignedChildrenStayInsideTheFrame) {
    TForm form;
    auto* panel = new TCustomPanel(&form);
    panel->SetBounds(0, 0, 100, 60);
    auto* child = new TCustomPanel(&form, panel);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), Rect(1, 1, 99, 59));
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    EXPECT_EQ(child->BoundsRect(), Rect(7, 7, 93, 53));
}

TEST(CustomPanel, WidthsAreClamped) {
    TCustomPanel panel;
    panel.SetBevelWidth(0);
    panel.SetBorderWidth(-4);
    EXPECT_EQ(panel.BevelWidth(), 1);
    EXPECT_EQ(panel.BorderWidth(), 0);
}

TEST(CustomPanel, CaptionIsCentredVertically) {
    TForm form;
    TCustomPanel panel(&form);
    panel.SetBounds(0, 0, 80, 40);
    panel.Font()->SetColor(clBlack);
    panel.SetCaption(QStringLiteral("WWW"));
    const TBitmap shot = panel.PaintToBitmap();
    int top = -1, bottom = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x)
            if (At(shot, x, y) == clBlack) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
    ASSERT_GE(top, 0);
    EXPECT_LE(std::abs((top - 0) - (39 - bottom)), 3) << top << ".." << bottom;
}
