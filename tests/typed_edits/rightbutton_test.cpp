// The typed edit's right-hand button: the calculator for numbers, the pickers for dates and
// times, the value taken on OK only, and no check of the edit before the dialog.
#include <QTimer>

#include "buttons/vexobitbtn.h"
#include "calculator_form/vexocalculator.h"
#include "calculator_form/vexocalculatorform.h"
#include "calendar/datetimepicker.h"
#include "calendar/monthcalendar.h"
#include "calendar/vexocalendar.h"
#include "calendar/vxcalendarform.h"
#include "typedtestkit.h"

using namespace vexo;
using namespace vexo::typedtest;
using E = TvexoCustomEdit;

namespace {

// Plays the user on whichever dialog the button opened, once its modal loop runs.
void Answer(std::function<void(QWidget&)> user) {
    QTimer::singleShot(0, [user] {
        QWidget* dialog = ShownCalculatorForm();
        if (dialog == nullptr)
            dialog = VxCalendarForm;
        ASSERT_NE(dialog, nullptr);
        user(*dialog);
    });
}

void CalculatorKeys(QWidget& dialog, const char* keys, Qt::Key last, Qt::KeyboardModifiers mods) {
    QTest::keyClicks(&dialog, keys);
    QTest::keyClick(&dialog, last, mods);
}

void PickAndOk(QWidget& dialog, TDateTime date, TDateTime time) {
    auto& form = static_cast<TVxCalendarForm&>(dialog);
    if (date != 0)
        form.MonthE->SetDate(date);
    if (time != 0)
        form.TimeE->SetTime(time);
    QTest::mouseClick(form.OkB, Qt::LeftButton);
}

} // namespace

TEST(TypedEditButton, OpensTheKindsDialogAndTakesItsValue) {
    const TDateTime day = EncodeDate(2004, 3, 17);
    const TDateTime time = EncodeTime(14, 5, 0, 0);
    struct Case {
        E::TValueKind kind;
        const char* start;
        std::function<void(QWidget&)> user;
        const char* result;
    };
    const Case cases[] = {
        {E::vkInteger, "5",
         [](QWidget& d) { CalculatorKeys(d, "+2.4=", Qt::Key_Return, Qt::ControlModifier); }, "7"},
        {E::vkFloat, "1.5",
         [](QWidget& d) { CalculatorKeys(d, "*3=", Qt::Key_Return, Qt::ControlModifier); }, "4.5"},
        {E::vkInteger, "5", [](QWidget& d) { CalculatorKeys(d, "*9=", Qt::Key_Escape, {}); }, "5"},
        // An empty number edit starts the calculator at 0 without a complaint.
        {E::vkInteger, "",
         [](QWidget& d) { CalculatorKeys(d, "+4=", Qt::Key_Return, Qt::ControlModifier); }, "4"},
        {E::vkDate, "3/5/2004", [&](QWidget& d) { PickAndOk(d, day, 0); }, "3/17/2004"},
        {E::vkTime, "10:30:00 AM", [&](QWidget& d) { PickAndOk(d, 0, time); }, "2:05:00 PM"},
        {E::vkDateTime, "3/5/2004 10:30:00 AM", [&](QWidget& d) { PickAndOk(d, day, time); },
         "3/17/2004 2:05:00 PM"},
        {E::vkDate, "3/5/2004", [](QWidget& d) { QTest::keyClick(&d, Qt::Key_Escape); },
         "3/5/2004"},
    };
    for (const Case& c : cases) {
        EditForm f;
        f.edit->SetValueKind(c.kind);
        f.edit->setText(c.start);
        f.edit->SetRightControl(true);
        int rightClicks = 0;
        f.edit->OnRightClick = [&](QObject*) { ++rightClicks; };
        ASSERT_TRUE(f.edit->RightButton()->isVisible());
        Answer(c.user);
        QTest::mouseClick(f.edit->RightButton(), Qt::LeftButton);
        EXPECT_EQ(f.edit->text(), QString(c.result)) << c.start;
        EXPECT_EQ(rightClicks, 1);
        EXPECT_EQ(f.form.ActiveControl(), f.edit) << "the focus goes back to the edit";
        EXPECT_TRUE(f.messages.texts.isEmpty()) << f.messages.Last().toStdString();
    }
}

TEST(TypedEditButton, StandsBesideTheEditAndFollowsIt) {
    EditForm f;
    f.edit->SetValueKind(E::vkTime);
    f.edit->SetRightControl(true);
    TvexoBitBtn* button = f.edit->RightButton();
    f.edit->SetBounds(20, 30, 100, 24);
    EXPECT_EQ(button->geometry(), QRect(122, 30, 24, 24));
    EXPECT_EQ(f.edit->Images(), nullptr) << "the shared glyphs read as none";
    EXPECT_EQ(f.edit->ImageIndex(), -1);
    EXPECT_EQ(button->ImageIndex(), 4) << "the clock";
    f.edit->SetValueKind(E::vkFloat);
    EXPECT_EQ(button->ImageIndex(), 0) << "the calculator";
    f.edit->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    f.edit->SetVisible(false);
    EXPECT_FALSE(button->isVisible());
    f.edit->SetVisible(true);
    EXPECT_TRUE(button->isVisible());
    f.edit->SetRightControl(false);
    EXPECT_FALSE(button->isVisible());
}
