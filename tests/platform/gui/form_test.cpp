#include "platform/gui/form.h"

#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/gui/combobox.h"
#include "platform/gui/label.h"
#include "platform/gui/listbox.h"

using namespace vexo;

TEST(Forms, FixedBorderKeepsTheSize) {
    TForm f;
    f.SetClientSize(200, 100);
    f.SetBorderStyle(TForm::bsSingle);
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    f.SetBorderStyle(TForm::bsDialog);
    EXPECT_EQ(f.minimumSize(), QSize(200, 100));
    f.SetBorderStyle(TForm::bsSizeable);
    f.resize(300, 150);
    EXPECT_EQ(f.size(), QSize(300, 150));
}

TEST(Forms, ShowModalReturnsTheModalResult) {
    TForm f;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(f.IsModal());
        f.SetModalResult(mrYes);
    });
    EXPECT_EQ(f.ShowModal(), mrYes);
    EXPECT_FALSE(f.isVisible());
    QTimer::singleShot(0, [&] { f.close(); });
    EXPECT_EQ(f.ShowModal(), mrCancel);
}

TEST(Forms, DesktopCentreOnFirstShow) {
    TForm f;
    f.SetClientSize(100, 50);
    f.SetPosition(TForm::poDesktopCenter);
    f.show();
    const QRect desk = f.screen()->virtualGeometry();
    EXPECT_NEAR(f.frameGeometry().center().x(), desk.center().x(), 2);
}

TEST(Controls, ComboBoxRaisesOnChangeOnlyForTheUser) {
    TComboBox c;
    c.SetItems({QStringLiteral("a"), QStringLiteral("b")});
    int changes = 0;
    c.OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &c);
        ++changes;
    };
    c.SetItemIndex(1);
    EXPECT_EQ(changes, 0);
    c.setCurrentIndex(0); // as a user's choice arrives
    EXPECT_EQ(changes, 1);
}

TEST(Controls, SortedListBoxIgnoresCase) {
    TListBox l;
    l.SetSorted(true);
    for (const char* s : {"b.bmp", "A.bmp", "c.bmp", "a2.bmp"})
        l.Add(QString::fromLatin1(s));
    EXPECT_EQ(l.Items(), (QStringList{"A.bmp", "a2.bmp", "b.bmp", "c.bmp"}));
}

TEST(Controls, RightAlignedAutoSizeLabelKeepsItsRightEdge) {
    TLabel l;
    l.setGeometry(18, 25, 93, 13);
    l.SetAlignment(taRightJustify);
    l.SetAutoSize(true);
    l.SetCaption(QStringLiteral("A much longer caption than before"));
    EXPECT_EQ(l.geometry().right(), 18 + 93 - 1);
    EXPECT_GT(l.width(), 93);
}
