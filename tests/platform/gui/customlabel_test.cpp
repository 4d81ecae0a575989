// The framework's label base: its accelerator, focus control, auto-size and layout.
#include "platform/gui/customlabel.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/gui/edit.h"
#include "platform/gui/form.h"
#include "platform/image/canvas.h"
#include "support/activeform.h"

using namespace vexo;

namespace {

TColor At(const TBitmap& b, int x, int y) {
    // PixelRgb is 0x00RRGGBB; a TColor has red in the low byte.
    const std::uint32_t v = b.PixelRgb(x, y);
    return TColor(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16));
}

// Rows of the bitmap that hold a pixel of `color`.
std::pair<int, int> InkRows(const TBitmap& b, TColor color) {
    int top = -1, bottom = -1;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (At(b, x, y) == color) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
    return {top, bottom};
}

} // namespace

TEST(CustomLabelAccelerator, FocusesTheFocusControl) {
    ActiveForm f;
    auto* first = new TEdit(&f.form);
    auto* target = new TEdit(&f.form);
    target->SetTop(40);
    auto* label = new TCustomLabel(&f.form);
    label->SetCaption(QStringLiteral("&Name"));
    label->SetFocusControl(target);
    first->SetFocus();
    QTest::keyClick(first, 'n', Qt::AltModifier);
    EXPECT_TRUE(target->Focused());
    EXPECT_TRUE(first->Text().isEmpty());

    // Without ShowAccelChar, or disabled, the label takes no accelerator.
    first->SetFocus();
    label->SetShowAccelChar(false);
    QTest::keyClick(first, 'n', Qt::AltModifier);
    EXPECT_TRUE(first->Focused());
    label->SetShowAccelChar(true);
    label->SetEnabled(false);
    QTest::keyClick(first, 'n', Qt::AltModifier);
    EXPECT_TRUE(first->Focused());
}

TEST(CustomLabelFocusControl, ClearedWhenTheControlIsFreed) {
    TForm form;
    auto* edit = new TEdit(&form);
    auto* label = new TCustomLabel(&form);
    label->SetFocusControl(edit);
    delete edit;
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST(CustomLabelAutoSize, TakesTheTextsExtentKeepingTheAlignedEdge) {
    TForm form;
    auto* label = new TCustomLabel(&form);
    label->SetBounds(100, 10, 200, 30);
    label->SetAlignment(taRightJustify);
    label->SetCaption(QStringLiteral("Some text"));
    TCanvas measure;
    measure.Font.Assign(*label->Font());
    EXPECT_EQ(label->Width(), measure.TextWidth(QStringLiteral("Some text")));
    EXPECT_EQ(label->Height(), measure.TextHeight(QStringLiteral("Some text")));
    EXPECT_EQ(label->Left() + label->Width(), 300);

    // Word wrap keeps the width and grows the height.
    label->SetWordWrap(true);
    label->SetWidth(measure.TextWidth(QStringLiteral("Some")) + 2);
    label->SetCaption(QStringLiteral("Some text more"));
    EXPECT_EQ(label->Height(), 3 * measure.TextHeight(QStringLiteral("S")));
}

TEST(CustomLabelLayout, CentresAndBottomsTheText) {
    TForm form;
    TCustomLabel label(&form);
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 60, 41);
    label.SetColor(clWhite);
    label.Font()->SetColor(clBlack);
    label.SetCaption(QStringLiteral("W"));
    const auto [top0, bottom0] = InkRows(label.PaintToBitmap(), clBlack);
    label.SetLayout(tlCenter);
    const auto [top1, bottom1] = InkRows(label.PaintToBitmap(), clBlack);
    label.SetLayout(tlBottom);
    const auto [top2, bottom2] = InkRows(label.PaintToBitmap(), clBlack);
    const int h = label.Canvas().TextHeight(QStringLiteral("W"));
    EXPECT_EQ(top1 - top0, (41 - h) / 2);
    EXPECT_EQ(top2 - top0, 41 - h);
    EXPECT_EQ(bottom2 - bottom0, 41 - h);
}

TEST(CustomLabelPaint, TransparentLeavesTheGroundOpaqueFillsColor) {
    TForm form;
    form.SetColor(clBlue);
    TCustomLabel label(&form);
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 30, 20);
    label.SetColor(clLime);
    EXPECT_EQ(At(label.PaintToBitmap(), 25, 15), clLime);
    label.SetTransparent(true);
    EXPECT_EQ(At(label.PaintToBitmap(), 25, 15), clBlue);
}
