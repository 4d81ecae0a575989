// The flat combo box: type-ahead in sorted lists, sorting, styles, owner drawing, the border
// and the linked label.
#include "edits/vexocombobox.h"

#include <QAbstractItemView>

#include "edits/vexolabel.h"
#include "edittestkit.h"
#include "platform/gui/edit.h"

using namespace vexo;
using namespace vexo::edittest;

namespace {

TvexoComboBox* List(TForm& form, bool sorted) {
    auto* box = new TvexoComboBox(&form);
    box->SetStyle(csDropDownList);
    box->SetSorted(sorted);
    box->SetItems({"pear", "Apple", "ab", "banana", "abc"});
    return box;
}

} // namespace

TEST(VexoComboBoxTypeAhead, EveryKeyCountsAndTheWholeTextMustMatch) {
    ActiveForm f;
    auto* box = List(f.form, true);
    EXPECT_EQ(box->Items(), (QStringList{"ab", "abc", "Apple", "banana", "pear"}));
    box->SetFocus();
    int changes = 0;
    box->OnChange = [&](QObject*) { ++changes; };
    QTest::keyClicks(box, QStringLiteral("ap"));
    EXPECT_EQ(box->SearchText(), QStringLiteral("ap"));
    EXPECT_EQ(box->ItemIndex(), -1); // "ap" is no whole item
    QTest::keyClicks(box, QStringLiteral("PLE"));
    EXPECT_EQ(box->Text(), QStringLiteral("Apple")); // letter case ignored
    EXPECT_EQ(changes, 1);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_TRUE(box->SearchText().isEmpty());
    EXPECT_EQ(box->ItemIndex(), -1); // an empty search text chooses none
    QTest::keyClicks(box, QStringLiteral("abc"));
    EXPECT_EQ(box->Text(), QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->Text(), QStringLiteral("ab"));
}

TEST(VexoComboBoxTypeAhead, UnsortedListNeverChangesBySearch) {
    ActiveForm f;
    auto* box = List(f.form, false);
    box->SetItemIndex(0);
    box->SetFocus();
    QTest::keyClicks(box, QStringLiteral("banana"));
    EXPECT_EQ(box->Text(), QStringLiteral("pear"));
}

TEST(VexoComboBoxTypeAhead, SearchStartsAfreshWhenTheFocusReturns) {
    ActiveForm f;
    auto* box = List(f.form, true);
    auto* other = new TEdit(&f.form);
    other->SetTop(100);
    box->SetFocus();
    QTest::keyClicks(box, QStringLiteral("pear"));
    other->SetFocus();
    box->SetFocus();
    QTest::keyClicks(box, QStringLiteral("ab"));
    EXPECT_EQ(box->Text(), QStringLiteral("ab"));
}

TEST(VexoComboBoxItems, SortedInsertionAndIndexOf) {
    TForm form;
    TvexoComboBox box(&form);
    box.SetSorted(true);
    box.AddItem(QStringLiteral("m"));
    box.AddItem(QStringLiteral("B"));
    EXPECT_EQ(box.AddItem(QStringLiteral("c")), 1);
    EXPECT_EQ(box.Items(), (QStringList{"B", "c", "m"}));
    EXPECT_EQ(box.IndexOf(QStringLiteral("b")), 0);
    EXPECT_EQ(box.IndexOf(QStringLiteral("x")), -1);
    box.SetDropDownCount(3);
    EXPECT_EQ(box.DropDownCount(), 3);
}

TEST(VexoComboBoxStyles, EditableKindsAndOwnerDrawing) {
    ActiveForm f;
    auto* box = new TvexoComboBox(&f.form);
    EXPECT_TRUE(box->isEditable());
    box->SetMaxLength(4);
    box->SetText(QStringLiteral("abcdefg"));
    EXPECT_EQ(box->Text(), QStringLiteral("abcd"));
    box->SetStyle(csDropDownList);
    EXPECT_FALSE(box->isEditable());
    box->SetStyle(csOwnerDrawVariable);
    box->SetItems({"one", "two"});
    QList<int> drawn;
    box->OnDrawItem = [&](QObject*, int index, TRect rect, TOwnerDrawState) {
        drawn.append(index);
        box->Canvas().Brush.Color = clRed;
        box->Canvas().FillRect(rect);
    };
    box->OnMeasureItem = [](QObject*, int index, int& height) { height = 20 + index * 10; };
    box->showPopup();
    QApplication::processEvents();
    QAbstractItemView* view = box->view();
    EXPECT_EQ(view->sizeHintForRow(1), 30);
    const QImage shot = view->viewport()->grab().toImage();
    EXPECT_TRUE(drawn.contains(0));
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::red));
    box->hidePopup();
}

TEST(VexoComboBoxBorder, HotWhileHoveredOrFocusedPlatformLookWhenDisabled) {
    ActiveForm f;
    auto* other = new TEdit(&f.form);
    other->SetTop(100);
    auto* box = new TvexoComboBox(&f.form);
    box->SetStyle(csDropDownList);
    other->SetFocus();
    Hover(*box, false); // wherever the pointer stands
    EXPECT_EQ(At(Grab(*box), 1, 10), ColorToRGB(clBtnFace));
    Hover(*box, true);
    EXPECT_EQ(At(Grab(*box), 1, 10), clBlack);
    Hover(*box, false);
    box->SetFocus();
    EXPECT_EQ(At(Grab(*box), 1, 10), clBlack);
    other->SetFocus();
    box->SetEnabled(false);
    const TColor shadow = ColorToRGB(clBtnShadow);
    EXPECT_NE(At(Grab(*box), 0, 10), shadow); // no border painted
}

TEST(VexoComboBoxLabel, LitWhileFocusedForgottenWhenFreed) {
    ActiveForm f;
    auto* other = new TEdit(&f.form);
    other->SetTop(100);
    auto* box = new TvexoComboBox(&f.form);
    auto* label = new TvexoLabel(&f.form);
    label->SetAlive(true);
    box->SetLightLabel(label);
    box->SetFocus();
    EXPECT_TRUE(label->Lit());
    other->SetFocus();
    EXPECT_FALSE(label->Lit());
    delete label;
    EXPECT_EQ(box->LightLabel(), nullptr);
}
