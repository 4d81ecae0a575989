// Keys, focus and tab order of window controls, with real widgets and QTest input.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/gui/button.h"
#include "platform/gui/customcontrol.h"
#include "platform/gui/edit.h"
#include "platform/gui/form.h"
#include "platform/gui/groupbox.h"
#include "platform/gui/memo.h"
#include "support/activeform.h"

using namespace vexo;

namespace {

TEdit* MakeEdit(TForm& form, QWidget* parent, const char* name) {
    auto* edit = new TEdit(&form, parent);
    edit->SetName(QString::fromLatin1(name));
    return edit;
}

// A control that takes the accelerator of its caption.
class TAccelControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    QString caption = QStringLiteral("Sa&ve");
    int used = 0;

protected:
    bool DialogChar(QChar ch) override {
        if (!IsAccel(ch, caption))
            return false;
        ++used;
        return true;
    }
};

} // namespace

TEST(WinControlKeys, AltWithACharacterIsAnAcceleratorForTheFormsControls) {
    ActiveForm f;
    auto* edit = MakeEdit(f.form, &f.form, "Edit1");
    auto* group = new TGroupBox(&f.form);
    auto* accel = new TAccelControl(&f.form, group);
    edit->SetFocus();
    QTest::keyClick(edit, 'v', Qt::AltModifier);
    QTest::keyClick(edit, 'x', Qt::AltModifier); // no control's accelerator
    QTest::keyClick(edit, 'v');                  // typed
    EXPECT_EQ(accel->used, 1);
    EXPECT_EQ(edit->Text(), QStringLiteral("v"));
    EXPECT_TRUE(IsAccel(QLatin1Char('V'), QStringLiteral("Sa&ve")));
    EXPECT_FALSE(IsAccel(QLatin1Char('a'), QStringLiteral("Save && &Quit")));
    EXPECT_TRUE(IsAccel(QLatin1Char('q'), QStringLiteral("Save && &Quit")));
}

TEST(WinControlKeys, PreviewThenControlWithArgumentsAndModifiableKeys) {
    ActiveForm f;
    f.form.SetName(QStringLiteral("Form1"));
    auto* edit = MakeEdit(f.form, &f.form, "Edit1");
    edit->SetFocus();
    QStringList log;
    // The Shift key itself has its own down and up; these handlers leave it out.
    f.form.OnKeyDown = [&](QObject* s, int& key, TShiftState shift) {
        if (key == Qt::Key_Shift)
            return;
        log << QStringLiteral("form down %1 %2 %3")
                   .arg(s->objectName())
                   .arg(key == Qt::Key_A)
                   .arg(shift == TShiftState(ssShift));
    };
    f.form.OnKeyPress = [&](QObject*, QChar& key) {
        log << QStringLiteral("form press ") + key;
        if (key == QLatin1Char('x'))
            key = QLatin1Char('y'); // the control sees, and the edit types, the new character
    };
    f.form.OnKeyUp = [&](QObject*, int& key, TShiftState) {
        if (key != Qt::Key_Shift)
            log << QStringLiteral("form up");
    };
    edit->OnKeyDown = [&](QObject* s, int& key, TShiftState) {
        if (key != Qt::Key_Shift)
            log << "edit down " + s->objectName();
    };
    edit->OnKeyPress = [&](QObject*, QChar& key) {
        log << QStringLiteral("edit press ") + key;
        if (key == QLatin1Char('q'))
            key = QChar(); // swallowed
    };
    edit->OnKeyUp = [&](QObject*, int& key, TShiftState) {
        if (key != Qt::Key_Shift)
            log << QStringLiteral("edit up");
    };

    QTest::keyClick(edit, 'A', Qt::ShiftModifier);
    EXPECT_EQ(log, (QStringList{"edit down Edit1", "edit press A", "edit up"})) << "no preview";
    log.clear();
    f.form.SetKeyPreview(true);
    QTest::keyClick(edit, 'A', Qt::ShiftModifier);
    EXPECT_EQ(log, (QStringList{"form down Form1 1 1", "edit down Edit1", "form press A",
                                "edit press A", "form up", "edit up"}));
    QTest::keyClick(edit, Qt::Key_X);
    QTest::keyClick(edit, Qt::Key_Q);
    EXPECT_EQ(edit->Text(), QStringLiteral("AAy"));
    EXPECT_TRUE(log.contains(QStringLiteral("edit press y")));

    // A key set to 0 in OnKeyDown stops there: no KeyPress, nothing typed.
    log.clear();
    f.form.OnKeyDown = [&](QObject*, int& key, TShiftState) {
        if (key == Qt::Key_B)
            key = 0;
    };
    QTest::keyClick(edit, Qt::Key_B);
    EXPECT_EQ(edit->Text(), QStringLiteral("AAy"));
    EXPECT_EQ(log, (QStringList{"form up", "edit up"}));
}

TEST(WinControlKeys, DialogKeysReachDefaultAndCancelButtons) {
    ActiveForm f;
    auto* edit = MakeEdit(f.form, &f.form, "Edit1");
    auto* ok = new TButton(&f.form);
    auto* cancel = new TButton(&f.form);
    auto* other = new TButton(&f.form);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    QStringList clicks;
    ok->OnClick = [&](QObject*) { clicks << QStringLiteral("ok"); };
    cancel->OnClick = [&](QObject*) { clicks << QStringLiteral("cancel"); };
    other->OnClick = [&](QObject*) { clicks << QStringLiteral("other"); };
    QStringList typed;
    edit->OnKeyPress = [&](QObject*, QChar& key) { typed << QString(key); };

    edit->SetFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(clicks, (QStringList{"ok", "cancel"}));
    EXPECT_TRUE(typed.isEmpty()); // a used dialog key is no key press
    EXPECT_EQ(f.form.ModalResult(), mrCancel);

    // The focused button is the one Enter presses.
    other->SetFocus();
    QTest::keyClick(other, Qt::Key_Return);
    EXPECT_EQ(clicks.last(), QStringLiteral("other"));

    // A disabled default button takes nothing; the key then goes on as a key press.
    ok->SetEnabled(false);
    edit->SetFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(clicks.size(), 3);
    EXPECT_EQ(typed, QStringList{QStringLiteral("\r")});
}

TEST(WinControlKeys, MemoTakesEnterAndTabOnlyWhenItWantsThem) {
    ActiveForm f;
    auto* memo = new TMemo(&f.form);
    auto* next = MakeEdit(f.form, &f.form, "Next");
    auto* ok = new TButton(&f.form);
    ok->SetDefault(true);
    int clicks = 0;
    ok->OnClick = [&](QObject*) { ++clicks; };
    memo->SetFocus();
    QTest::keyClicks(memo, QStringLiteral("ab"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClick(memo, Qt::Key_C);
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(clicks, 0);
    memo->SetWantReturns(false);
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(memo->Lines()->Count(), 2);
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_TRUE(next->Focused());
}

TEST(WinControlFocus, TabOrderDecidesTheNextControl) {
    ActiveForm f;
    auto* a = MakeEdit(f.form, &f.form, "A");
    auto* group = new TGroupBox(&f.form);
    auto* b = MakeEdit(f.form, group, "B");
    auto* c = MakeEdit(f.form, group, "C");
    auto* d = MakeEdit(f.form, &f.form, "D");
    auto* skipped = MakeEdit(f.form, &f.form, "Skipped");
    skipped->SetTabStop(false);
    c->SetTabOrder(0); // before B inside the group
    d->SetTabOrder(0); // first on the form
    EXPECT_EQ(d->TabOrder(), 0);
    EXPECT_EQ(a->TabOrder(), 1);
    EXPECT_EQ(b->TabOrder(), 1);
    EXPECT_EQ(group->TabOrder(), 2);

    auto focusedName = [] { return QApplication::focusWidget()->objectName(); };
    d->SetFocus();
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << focusedName();
    }
    EXPECT_EQ(order, (QStringList{"A", "C", "B", "D"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusedName(), QStringLiteral("B"));

    // Hidden and disabled controls are passed over; without tab stops the next control.
    c->SetEnabled(false);
    f.form.SelectNext(a, true, true);
    EXPECT_EQ(focusedName(), QStringLiteral("B"));
    EXPECT_EQ(f.form.FindNextControl(b, true, false, false), skipped);
    f.form.SetActiveControl(c); // disabled: refused
    EXPECT_EQ(f.form.ActiveControl(), b);
    f.form.SetActiveControl(d);
    EXPECT_EQ(f.form.ActiveControl(), d);
}

TEST(WinControlFocus, EnterAndExitRunFromTheLeftControlToTheEnteredOne) {
    ActiveForm f;
    auto* outside = MakeEdit(f.form, &f.form, "Outside");
    auto* group = new TGroupBox(&f.form);
    group->SetName(QStringLiteral("Group"));
    auto* inner1 = MakeEdit(f.form, group, "Inner1");
    auto* inner2 = MakeEdit(f.form, group, "Inner2");
    QStringList log;
    for (TWinControl* c : QList<TWinControl*>{outside, group, inner1, inner2}) {
        c->OnEnter = [&](QObject* s) { log << "enter " + s->objectName(); };
        c->OnExit = [&](QObject* s) { log << "exit " + s->objectName(); };
    }
    outside->SetFocus();
    log.clear();
    inner1->SetFocus();
    inner2->SetFocus();
    outside->SetFocus();
    EXPECT_EQ(log, (QStringList{"exit Outside", "enter Group", "enter Inner1", "exit Inner1",
                                "enter Inner2", "exit Inner2", "exit Group", "enter Outside"}));

    // Leaving the window and coming back raises nothing.
    log.clear();
    QWidget elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    QApplication::setActiveWindow(&f.form);
    EXPECT_TRUE(log.isEmpty()) << log.join(QLatin1Char(',')).toStdString();
}

TEST(WinControlFocus, CustomControlsTakeTheFocusOnlyAsTabStops) {
    ActiveForm f;
    auto* edit = MakeEdit(f.form, &f.form, "Edit");
    auto* custom = new TCustomControl(&f.form);
    custom->SetBounds(0, 50, 40, 40);
    edit->SetFocus();
    QTest::mouseClick(custom, Qt::LeftButton);
    EXPECT_TRUE(edit->Focused()); // a click alone does not move the focus
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(edit->Focused()); // nor does Tab while it is no tab stop
    custom->SetTabStop(true);
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(custom->Focused());
}
