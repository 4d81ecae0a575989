// Menus and their items: captions, check and radio marks, clicks, short cuts, the menu bar.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/gui/edit.h"
#include "platform/gui/form.h"
#include "platform/gui/mainmenu.h"
#include "platform/gui/popupmenu.h"
#include "platform/gui/shortcut.h"
#include "platform/runtime/typinfo.h"

using namespace vexo;

namespace {

TMenuItem* Item(TForm& form, TMenuItem* parent, const QString& caption) {
    auto* item = new TMenuItem(&form);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

} // namespace

TEST(MenuItems, ShownThroughTheirActionsInOrder) {
    TForm form;
    auto* menu = new TPopupMenu(&form);
    TMenuItem* cut = Item(form, menu->Items(), QStringLiteral("Cu&t"));
    TMenuItem* line = Item(form, menu->Items(), QStringLiteral("-"));
    TMenuItem* paste = Item(form, menu->Items(), QStringLiteral("&Paste"));
    menu->Items()->Insert(0, Item(form, menu->Items(), QStringLiteral("&Undo"))); // moved first
    const QList<QAction*> actions = menu->Menu()->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions.at(0)->text(), QStringLiteral("&Undo"));
    EXPECT_EQ(actions.at(1), cut->Action());
    EXPECT_TRUE(actions.at(2)->isSeparator());
    EXPECT_TRUE(actions.at(2)->text().isEmpty()); // a separator with text shows as a heading
    EXPECT_EQ(paste->MenuIndex(), 3);
    EXPECT_EQ(menu->Items()->Find(QStringLiteral("paste")), paste);
    EXPECT_EQ(line->GetParentMenu(), menu);

    paste->SetMenuIndex(0);
    EXPECT_EQ(menu->Menu()->actions().at(0), paste->Action());
    paste->SetEnabled(false);
    paste->SetVisible(false);
    EXPECT_FALSE(paste->Action()->isEnabled());
    EXPECT_FALSE(paste->Action()->isVisible());

    // Sub-items make a sub-menu; destroying an item destroys its sub-items.
    TMenuItem* sub = Item(form, cut, QStringLiteral("Word"));
    ASSERT_NE(cut->SubMenu(), nullptr);
    EXPECT_EQ(cut->Action()->menu(), cut->SubMenu());
    EXPECT_EQ(sub->Parent(), cut);
    const int components = form.ComponentCount();
    delete cut;
    EXPECT_EQ(form.ComponentCount(), components - 2);
    EXPECT_EQ(menu->Items()->Count(), 3);
}

TEST(MenuItems, ClickChecksRadioGroupsAndDisabledItemsDoNothing) {
    TForm form;
    auto* menu = new TPopupMenu(&form);
    TMenuItem* small = Item(form, menu->Items(), QStringLiteral("Small"));
    TMenuItem* large = Item(form, menu->Items(), QStringLiteral("Large"));
    TMenuItem* other = Item(form, menu->Items(), QStringLiteral("Other group"));
    TMenuItem* toggle = Item(form, menu->Items(), QStringLiteral("Toggle"));
    for (TMenuItem* item : {small, large, other}) {
        item->SetRadioItem(true);
        item->SetAutoCheck(true);
    }
    other->SetGroupIndex(1);
    toggle->SetAutoCheck(true);
    QStringList log;
    for (TMenuItem* item : {small, large, other, toggle})
        item->OnClick = [&](QObject* s) {
            const auto* i = static_cast<TMenuItem*>(s);
            log << i->Caption() + (i->Checked() ? "+" : "-");
        };
    other->SetChecked(true);
    small->Action()->trigger(); // as the user chooses it
    large->Click();
    EXPECT_FALSE(small->Checked());
    EXPECT_TRUE(large->Checked());
    EXPECT_TRUE(other->Checked()); // another group
    toggle->Action()->trigger();
    toggle->Action()->trigger();
    EXPECT_EQ(log, (QStringList{"Small+", "Large+", "Toggle+", "Toggle-"}));
    EXPECT_EQ(large->Action()->isChecked(), true);
    EXPECT_EQ(small->Action()->isChecked(), false);
    ASSERT_NE(small->Action()->actionGroup(), nullptr); // shown with the radio mark
    EXPECT_NE(small->Action()->actionGroup(), other->Action()->actionGroup());

    toggle->SetEnabled(false);
    toggle->Click();
    EXPECT_EQ(log.size(), 4);
}

TEST(MenuItems, ShortCutsOfThePopupMenuAndTheMainMenuReachTheirItems) {
    TForm form;
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* edit = new TEdit(&form);
    auto* popup = new TPopupMenu(&form);
    TMenuItem* copy = Item(form, popup->Items(), QStringLiteral("&Copy"));
    copy->SetShortCut(TextToShortCut(QStringLiteral("Ctrl+Ins")));
    edit->SetPopupMenu(popup);
    auto* mainMenu = new TMainMenu(&form);
    TMenuItem* file = Item(form, mainMenu->Items(), QStringLiteral("&File"));
    TMenuItem* save = Item(form, file, QStringLiteral("&Save"));
    save->SetShortCut(ShortCut(Qt::Key_F2, {}));
    form.SetMenu(mainMenu);
    int copies = 0, saves = 0;
    copy->OnClick = [&](QObject*) { ++copies; };
    save->OnClick = [&](QObject*) { ++saves; };
    edit->SetFocus();
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_F2);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(ShortCutToText(copy->ShortCut()), QStringLiteral("Ctrl+Ins"));
    file->SetEnabled(false); // items of a disabled menu are out of reach
    QTest::keyClick(edit, Qt::Key_F2);
    EXPECT_EQ(saves, 1);
}

TEST(MainMenu, BarOnTheFormWithARightAlignedItem) {
    TForm form;
    form.SetClientSize(300, 200);
    auto* menu = new TMainMenu(&form);
    TMenuItem* file = Item(form, menu->Items(), QStringLiteral("&File"));
    TMenuItem* help = Item(form, menu->Items(), QStringLiteral("&Help"));
    help->SetRightJustify(true);
    form.SetMenu(menu);
    QMenuBar* bar = menu->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->parentWidget(), &form);
    EXPECT_EQ(bar->actions(), QList<QAction*>{file->Action()});
    auto* corner = qobject_cast<QMenuBar*>(bar->cornerWidget(Qt::TopRightCorner));
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->actions(), QList<QAction*>{help->Action()});
    // Aligned controls start under the bar.
    EXPECT_EQ(form.contentsMargins().top(), bar->height());
}

TEST(PopupMenu, PopupRaisesOnPopupAndRunsUntilAnItemIsChosen) {
    TForm form;
    auto* menu = new TPopupMenu(&form);
    TMenuItem* first = Item(form, menu->Items(), QStringLiteral("First"));
    QStringList log;
    menu->OnPopup = [&](QObject*) { log << QStringLiteral("popup"); };
    first->OnClick = [&](QObject*) { log << QStringLiteral("first"); };
    QTimer::singleShot(0, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
        }
    });
    menu->Popup(40, 50);
    EXPECT_EQ(log, (QStringList{"popup", "first"}));
    EXPECT_EQ(menu->PopupPoint(), QPoint(40, 50));
}

TEST(MenuItems, PublishedWithTheirEvent) {
    TMenuItem item;
    EXPECT_EQ(GetPropInfo(&item, QStringLiteral("OnClick")).Kind(), tkMethod);
    EXPECT_EQ(GetPropInfo(&item, QStringLiteral("Checked")).Kind(), tkEnumeration);
    EXPECT_EQ(GetPropInfo(&item, QStringLiteral("ImageIndex")).Kind(), tkInteger);
    EXPECT_TRUE(IsDefaultPropValue(&item, GetPropInfo(&item, QStringLiteral("ImageIndex"))));
}
