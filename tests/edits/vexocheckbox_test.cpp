// The check box and radio button: states and their cycle, radio groups, undo, keys and
// accelerators, the group-box helpers and the drawn marks.
#include "edits/vexocheckbox.h"

#include "edittestkit.h"
#include "platform/gui/groupbox.h"
#include "platform/image/bitmapresource.h"

using namespace vexo;
using namespace vexo::edittest;

namespace {

TvexoCheckBox* Radio(TForm& form, QWidget* parent, int top) {
    auto* r = new TvexoCheckBox(&form, parent);
    r->SetStyle(btRadioButton);
    r->SetBounds(5, top, 100, 16);
    return r;
}

} // namespace

TEST(VexoCheckBoxDefaults, ConstructorValues) {
    TForm form;
    TvexoCheckBox box(&form);
    EXPECT_EQ(box.Width(), 75);
    EXPECT_EQ(box.Height(), 14);
    EXPECT_TRUE(box.TabStop());
    EXPECT_EQ(box.State(), cbUnchecked);
    EXPECT_EQ(box.Style(), btCheckBox);
    EXPECT_EQ(box.VertAlign(), baCenter);
    EXPECT_EQ(box.Alignment(), taLeftJustify);
}

struct TGlyphRow {
    TCheckBoxState state;
    int hotEnabled, hotDisabled, quietEnabled, quietDisabled;
};

class CheckGlyphs : public ::testing::TestWithParam<TGlyphRow> {};

TEST_P(CheckGlyphs, IndexByStateHotAndEnabled) {
    const TGlyphRow& r = GetParam();
    EXPECT_EQ(TvexoCustomCheckBox::GlyphIndex(r.state, true, true), r.hotEnabled);
    EXPECT_EQ(TvexoCustomCheckBox::GlyphIndex(r.state, true, false), r.hotDisabled);
    EXPECT_EQ(TvexoCustomCheckBox::GlyphIndex(r.state, false, true), r.quietEnabled);
    EXPECT_EQ(TvexoCustomCheckBox::GlyphIndex(r.state, false, false), r.quietDisabled);
}

INSTANTIATE_TEST_SUITE_P(States, CheckGlyphs,
                         ::testing::Values(TGlyphRow{cbUnchecked, 0, 4, 2, 4},
                                           TGlyphRow{cbChecked, 1, 5, 3, 5},
                                           TGlyphRow{cbGrayed, 6, 5, 5, 5}));

// Each cell of the strips differs from the others: marks where checked or grayed, a hot
// ring where hot, the face colour where disabled.
TEST(CheckMarks, StripsHoldDistinctCells) {
    const TBitmap checks = LoadBitmapResource(QStringLiteral("FLATCHECKS"));
    const TBitmap radios = LoadBitmapResource(QStringLiteral("FLATRADIO"));
    ASSERT_EQ(checks.Width(), 77);
    ASSERT_EQ(checks.Height(), 11);
    ASSERT_EQ(radios.Width(), 72);
    ASSERT_EQ(radios.Height(), 12);
    auto cell = [](const TBitmap& strip, int size, int index) {
        QList<quint32> pixels;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                pixels.append(strip.PixelRgb(index * size + x, y));
        return pixels;
    };
    for (int a = 0; a < 7; ++a)
        for (int b = a + 1; b < 7; ++b)
            EXPECT_NE(cell(checks, 11, a), cell(checks, 11, b)) << a << " " << b;
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b)
            EXPECT_NE(cell(radios, 12, a), cell(radios, 12, b)) << a << " " << b;
    // The mark of a checked cell is black at its middle, absent when unchecked.
    EXPECT_EQ(At(checks, 3 * 11 + 5, 6), clBlack);
    EXPECT_NE(At(checks, 2 * 11 + 5, 6), clBlack);
    EXPECT_EQ(At(radios, 3 * 12 + 5, 5), clBlack);
    EXPECT_NE(At(radios, 2 * 12 + 5, 5), clBlack);
}

TEST(CheckMarks, PaintedBoxShowsItsCellAndFrame) {
    TForm form;
    form.SetColor(clWhite);
    TvexoCheckBox box(&form);
    box.SetBounds(0, 0, 60, 17);
    box.SetColor(clYellow);
    const TBitmap checks = LoadBitmapResource(QStringLiteral("FLATCHECKS"));
    for (TCheckBoxState state : {cbUnchecked, cbChecked, cbGrayed}) {
        box.SetAllowGrayed(true);
        box.SetState(state);
        const TBitmap shot = box.PaintToBitmap();
        const int index = TvexoCustomCheckBox::GlyphIndex(state, false, true);
        const int y = (17 - 13) / 2;
        EXPECT_EQ(At(shot, 0, y + 6), ColorToRGB(clBtnShadow)); // sunken frame
        EXPECT_EQ(At(shot, 12, y + 6), ColorToRGB(clBtnHighlight));
        for (int py = 0; py < 11; ++py)
            for (int px = 0; px < 11; ++px)
                ASSERT_EQ(At(shot, 1 + px, y + 1 + py), At(checks, index * 11 + px, py))
                    << state << " at " << px << "," << py;
    }
    // A radio button leaves the strip's transparent corners showing its colour.
    box.SetStyle(btRadioButton);
    EXPECT_EQ(At(box.PaintToBitmap(), 0, 2), clYellow);
}

TEST(CheckMarks, BottomAlignedBoxKeepsItsFrameInside) {
    TForm form;
    TvexoCheckBox box(&form);
    box.SetBounds(0, 0, 60, 30);
    box.SetVertAlign(baBottom);
    const TBitmap shot = box.PaintToBitmap();
    EXPECT_EQ(At(shot, 6, 28), ColorToRGB(clBtnHighlight)); // the frame's bottom row
}

TEST(VexoCheckBoxStates, GrayedCycleByClicks) {
    ActiveForm f;
    auto* box = new TvexoCheckBox(&f.form);
    box->SetAllowGrayed(true);
    QList<TCheckBoxState> seen;
    box->OnChange = [&](QObject*) { seen.append(box->State()); };
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_EQ(seen, (QList<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
    EXPECT_TRUE(box->Focused());
    box->SetAllowGrayed(false);
    box->SetState(cbGrayed);
    box->ToggleCheck();
    EXPECT_EQ(box->State(), cbUnchecked);
}

TEST(VexoCheckBoxStates, ChangeFiresBeforeClick) {
    ActiveForm f;
    auto* box = new TvexoCheckBox(&f.form);
    QStringList order;
    box->OnChange = [&](QObject*) { order << "change"; };
    box->OnClick = [&](QObject*) { order << "click"; };
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_EQ(order, (QStringList{"change", "click"}));
}

TEST(VexoCheckBoxStates, UndoSwapsWithThePreviousValue) {
    TvexoCheckBox box;
    int undos = 0;
    box.OnUndo = [&](QObject*) { ++undos; };
    box.SetChecked(true);
    box.Undo();
    EXPECT_FALSE(box.Checked());
    box.Undo();
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(undos, 2);
}

TEST(VexoCheckBoxKeys, SpaceTogglesCtrlZUndoesAcceleratorToggles) {
    ActiveForm f;
    auto* box = new TvexoCheckBox(&f.form);
    box->SetCaption(QStringLiteral("&Keep"));
    auto* other = new TvexoCheckBox(&f.form);
    other->SetTop(30);
    box->SetFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(box->Checked());
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(box->Checked());
    other->SetFocus();
    QTest::keyClick(other, 'k', Qt::AltModifier);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    box->SetEnabled(false);
    other->SetFocus();
    QTest::keyClick(other, 'k', Qt::AltModifier);
    EXPECT_TRUE(box->Checked());
}

TEST(VexoRadioGroups, OneCheckedPerParentByClickCodeAndKeys) {
    ActiveForm f;
    auto* group = new TGroupBox(&f.form);
    group->SetBounds(0, 0, 200, 120);
    auto* a = Radio(f.form, group, 20);
    auto* b = Radio(f.form, group, 40);
    auto* c = Radio(f.form, group, 60);
    auto* outside = Radio(f.form, &f.form, 150);
    outside->SetChecked(true);
    int changes = 0;
    a->OnChange = [&](QObject*) { ++changes; };
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(changes, 1);
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 8)); // stays checked, no change
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(changes, 1);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(changes, 2);
    c->SetFocus();
    QTest::keyClick(c, Qt::Key_Space);
    EXPECT_TRUE(c->Checked());
    EXPECT_FALSE(b->Checked());
    QTest::keyClick(c, Qt::Key_Space); // a radio button only ever checks itself
    EXPECT_TRUE(c->Checked());
    EXPECT_TRUE(outside->Checked()); // another parent, another group
    c->SetState(cbGrayed);
    EXPECT_EQ(c->State(), cbChecked);
}

TEST(VexoRadioGroups, AButtonChangingGroupOrStyleLeavesOneChecked) {
    TForm form;
    auto* group = new TGroupBox(&form);
    auto* a = Radio(form, group, 20);
    auto* moved = Radio(form, &form, 150);
    a->SetChecked(true);
    moved->SetChecked(true);
    moved->setParent(group);
    EXPECT_EQ(int(a->Checked()) + int(moved->Checked()), 1);
    auto* box = new TvexoCheckBox(&form, group);
    box->SetChecked(true);
    box->SetStyle(btRadioButton);
    EXPECT_EQ(int(a->Checked()) + int(moved->Checked()) + int(box->Checked()), 1);
    auto* grayed = new TvexoCheckBox(&form, group);
    grayed->SetAllowGrayed(true);
    grayed->SetState(cbGrayed);
    int changes = 0;
    grayed->OnChange = [&](QObject*) { ++changes; };
    grayed->SetStyle(btRadioButton);
    EXPECT_EQ(grayed->State(), cbUnchecked);
    EXPECT_EQ(changes, 0);
}

TEST(VexoRadioGroups, GroupIndexReadAndSet) {
    TForm form;
    auto* group = new TGroupBox(&form);
    auto* a = Radio(form, group, 20);
    auto* b = Radio(form, group, 40);
    auto* c = Radio(form, group, 60);
    EXPECT_EQ(GetGroupIndex(group), 0);
    SetGroupIndex(group, 2);
    EXPECT_TRUE(c->Checked());
    EXPECT_EQ(GetGroupIndex(group), 2);
    SetGroupIndex(group, 1);
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(c->Checked());
    EXPECT_EQ(GetGroupIndex(group), 1);
    a->SetChecked(true);
    EXPECT_EQ(GetGroupIndex(group), 0);
    SetGroupIndex(group, 7); // out of range: nothing
    EXPECT_TRUE(a->Checked());
}
