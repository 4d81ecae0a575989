#include <QApplication>
#include <gtest/gtest.h>

#include "graphics/gui/adjustcolors.h"
#include "graphics/gui/componentutils.h"
#include "graphics/gui/controlutils.h"
#include "graphics/gui/menuutils.h"
#include "graphics/gui/resourceutils.h"
#include "platform/gui/button.h"
#include "platform/gui/form.h"
#include "platform/gui/mainmenu.h"
#include "platform/gui/memo.h"
#include "platform/gui/menuitem.h"
#include "platform/gui/pagecontrol.h"
#include "platform/runtime/stringlist.h"

using namespace vexo;

TEST(AdjustColors, OnlyALoweredCutSwapsThePair) {
    for (TBevelCut cut : {bvNone, bvLowered, bvRaised, bvSpace}) {
        TColor top = clBlack, bottom = clBlack;
        AdjustColors(cut, top, bottom, clWhite, clGray);
        EXPECT_EQ(top, cut == bvLowered ? clGray : clWhite) << cut;
        EXPECT_EQ(bottom, cut == bvLowered ? clWhite : clGray) << cut;
    }
}

TEST(ResourceUtils, MissingResourcesGiveNoHandle) {
    RegisterResString(4711, "Hello");
    EXPECT_EQ(ResString(4711), "Hello");
    EXPECT_TRUE(ResString(4712).isEmpty());
    EXPECT_EQ(ResBitmap("redbar").Width(), 5);
    EXPECT_TRUE(ResBitmap("NoSuchBitmap").Empty());
    EXPECT_FALSE(ResCursor("NoSuchCursor").has_value());
}

TEST(MenuUtils, CopyKeepsPropertiesAndSubItemsAndRightAlignNeedsABarEntry) {
    TForm form;
    TMainMenu menu(&form);
    auto* file = new TMenuItem(&form);
    file->SetCaption("&File");
    auto* open = new TMenuItem(&form);
    open->SetCaption("&Open");
    open->SetChecked(true);
    open->SetGroupIndex(3);
    open->SetHint("Opens");
    open->SetTag(9);
    int clicks = 0;
    open->OnClick = [&](QObject*) { ++clicks; };
    file->Add(open);
    menu.Items()->Add(file);

    TMenuItem* copy = CopyMenuItem(&form, file);
    ASSERT_EQ(copy->Count(), 1);
    TMenuItem* openCopy = copy->Items(0);
    EXPECT_EQ(openCopy->Owner(), &form);
    EXPECT_EQ(openCopy->Caption(), "&Open");
    EXPECT_TRUE(openCopy->Checked());
    EXPECT_EQ(openCopy->GroupIndex(), 3);
    EXPECT_EQ(openCopy->Hint(), "Opens");
    EXPECT_EQ(openCopy->Tag(), 9);
    openCopy->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(file->Count(), 1) << "the original keeps its sub-item";

    EXPECT_FALSE(MenuItemRightAlign(&menu, open));
    EXPECT_FALSE(open->RightJustify());
    EXPECT_TRUE(MenuItemRightAlign(&menu, file));
    EXPECT_TRUE(file->RightJustify());
}

TEST(ControlUtils, CaretByRowAndColumnCountsTwoPerLineBreak) {
    TForm form;
    TMemo memo(&form, &form);
    memo.Lines()->Add("12345");
    memo.Lines()->Add("abc");
    const struct {
        int col, row, start;
    } cases[] = {{1, 2, 7}, {3, 2, 9}, {2, 1, 1}, {301, 1, 0}, {0, 1, 0}, {1, 3, 0}};
    for (const auto& c : cases) {
        memo.SetSelStart(0);
        SetCursorPos(&memo, c.col, c.row);
        EXPECT_EQ(memo.SelStart(), c.start) << c.col << "," << c.row;
        EXPECT_EQ(memo.SelLength(), 0);
    }
}

TEST(ControlUtils, SetPageIndexRaisesOnChange) {
    TForm form;
    TPageControl pages(&form, &form);
    EXPECT_EQ(GetPageIndex(&pages), -1);
    for (int i = 0; i < 3; ++i)
        (new TTabSheet(&form))->SetPageControl(&pages);
    int changes = 0;
    pages.OnChange = [&](QObject*) { ++changes; };
    SetPageIndex(&pages, 2);
    EXPECT_EQ(GetPageIndex(&pages), 2);
    EXPECT_EQ(changes, 1);
}

TEST(FindComponentOnForm, DesignSquaresThenControlsUnderThePoint) {
    TForm form;
    form.SetBounds(100, 100, 300, 200);
    auto* button = new TButton(&form, &form);
    button->SetBounds(10, 10, 80, 30);
    button->SetEnabled(false);
    TMainMenu menu(&form);
    SetDesignInfo(&menu, QPoint(200, 100));
    form.show();
    const QPoint origin = form.mapToGlobal(QPoint(0, 0));

    EXPECT_EQ(FindComponentOnForm(origin + QPoint(225, 125), &form, false), &menu);
    EXPECT_EQ(FindComponentOnForm(origin + QPoint(226, 100), &form, false), nullptr);
    EXPECT_EQ(FindComponentOnForm(origin + QPoint(226, 100), &form, true), &form);
    EXPECT_EQ(FindComponentOnForm(origin + QPoint(20, 20), &form, false), button)
        << "disabled controls are found";
    EXPECT_EQ(FindComponentOnForm(origin + QPoint(-50, 20), &form, true), nullptr);
}
