#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "buttons/vexobitbtn.h"
#include "calendar/calendarpickers.h"
#include "calendar/datetimepicker.h"
#include "calendar/pickerplacement.h"
#include "calendar/vexocalendar.h"
#include "calendar/vxcalendarform.h"
#include "calendartest_p.h"
#include "platform/gui/edit.h"
#include "support/activeform.h"

using namespace vexo;

namespace {

// Runs `answer` on the picker's dialog once its modal loop runs.
void Answer(std::function<void(TVxCalendarForm&)> answer) {
    QTimer::singleShot(0, [answer] {
        ASSERT_NE(VxCalendarForm, nullptr);
        answer(*VxCalendarForm);
    });
}

void ClickOk(TVxCalendarForm& form) {
    QTest::mouseClick(form.OkB, Qt::LeftButton);
}

TEST_F(CalendarFixture, MonthCalendarRangeLimits) {
    TMonthCalendar calendar;
    calendar.SetMultiSelect(true);
    calendar.SetMaxSelectRange(5);
    calendar.SetDate(Day(2026, 12, 1));
    const struct {
        int day;
        Qt::KeyboardModifiers modifiers;
        TDateTime first, last;
    } steps[] = {
        {16, Qt::NoModifier, Day(2026, 12, 16), Day(2026, 12, 16)},
        {18, Qt::ShiftModifier, Day(2026, 12, 16), Day(2026, 12, 18)},
        {21, Qt::ShiftModifier, Day(2026, 12, 16), Day(2026, 12, 20)}, // cut to five days
        {15, Qt::ShiftModifier, Day(2026, 12, 15), Day(2026, 12, 16)}, // back past the anchor
        {19, Qt::NoModifier, Day(2026, 12, 19), Day(2026, 12, 19)},
    };
    for (const auto& s : steps) {
        ClickDay(calendar, s.day, s.modifiers);
        EXPECT_EQ(calendar.Date(), s.first) << "day " << s.day;
        EXPECT_EQ(calendar.EndDate(), s.last) << "day " << s.day;
    }
    QTest::keyClick(GridView(calendar), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(calendar.EndDate(), Day(2026, 12, 20)) << "Shift with an arrow extends too";
    QTest::mouseClick(calendar.TodayButton(), Qt::LeftButton);
    EXPECT_EQ(calendar.Date(), Day(2026, 12, 10));
    EXPECT_EQ(calendar.EndDate(), Day(2026, 12, 10));

    calendar.SetSelectedRange(Day(2026, 12, 10), Day(2026, 11, 1));
    EXPECT_EQ(calendar.Date(), Day(2026, 12, 6));
    EXPECT_EQ(calendar.EndDate(), Day(2026, 12, 10));
    calendar.SetMultiSelect(false);
    ClickDay(calendar, 18, Qt::ShiftModifier);
    EXPECT_EQ(calendar.EndDate(), calendar.Date()) << "one day without MultiSelect";
}

TEST_F(CalendarFixture, MonthCalendarBounds) {
    TMonthCalendar calendar;
    calendar.SetDate(Day(2026, 12, 10));
    calendar.SetMinDate(Day(2026, 12, 16));
    calendar.SetMaxDate(Day(2026, 12, 18));
    EXPECT_EQ(calendar.Date(), Day(2026, 12, 16)) << "moved inside the new bounds";
    ClickDay(calendar, 20);
    EXPECT_EQ(calendar.Date(), Day(2026, 12, 16)) << "a day past the bound is not taken";
    calendar.SetDate(Day(2030, 1, 1));
    EXPECT_EQ(calendar.Date(), Day(2026, 12, 18));
}

struct FirstDayCase {
    const char* name;
    TCalDayOfWeek day;
    const char* locale;
    int dayOfWeek; // DayOfWeek of the first column: 1 Sunday .. 7 Saturday
};

class FirstDay : public CalendarFixture, public ::testing::WithParamInterface<FirstDayCase> {};

// The first day and the week numbers reach the picker's calendar: a click in the first day
// column of a row picks that weekday, and the column before it shows the row's ISO week.
TEST_P(FirstDay, FirstColumn) {
    const FirstDayCase& c = GetParam();
    const QLocale previous;
    QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
    TvexoCalendar component;
    component.SetFirstDayOfWeek(c.day);
    component.SetWeekNumbers(true);
    auto form = component.CreatePickerForm(TvexoCalendar::cpDate);
    QLocale::setDefault(previous);
    TMonthCalendar& calendar = *form->MonthE;
    const QModelIndex cell = GridView(calendar)->model()->index(3, 1);
    ClickCell(calendar, cell);
    EXPECT_EQ(DayOfWeek(calendar.Date()), c.dayOfWeek);
    const QDate clicked = QDate(2026, 12, 10).addDays(qint64(calendar.Date() - Day(2026, 12, 10)));
    const int week = cell.siblingAtColumn(0).data().toInt();
    EXPECT_TRUE(week == clicked.weekNumber() || week == clicked.addDays(6).weekNumber()) << week;
}

INSTANTIATE_TEST_SUITE_P(Calendar, FirstDay,
                         ::testing::Values(FirstDayCase{"Monday", dowMonday, "C", 2},
                                           FirstDayCase{"Sunday", dowSunday, "C", 1},
                                           FirstDayCase{"Saturday", dowSaturday, "C", 7},
                                           FirstDayCase{"LocaleUS", dowLocaleDefault, "en_US", 1},
                                           FirstDayCase{"LocaleDE", dowLocaleDefault, "de_DE", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalendarFixture, SelectDateTakesTheClickedDay) {
    TDateTime value = Day(2026, 12, 3, 0.5);
    Answer([](TVxCalendarForm& form) {
        EXPECT_EQ(form.Caption(), QStringLiteral("Select date"));
        EXPECT_TRUE(form.TimeP->isHidden());
        EXPECT_TRUE(form.MonthE->isAncestorOf(form.ActiveControl()));
        ClickDay(*form.MonthE, 17);
        ClickOk(form);
    });
    EXPECT_TRUE(SelectDate(nullptr, value));
    EXPECT_EQ(value, Day(2026, 12, 17, 0.5)) << "the day chosen, the time of day kept";

    Answer([](TVxCalendarForm& form) {
        ClickDay(*form.MonthE, 20);
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    EXPECT_FALSE(SelectDate(nullptr, value, QStringLiteral("Due")));
    EXPECT_EQ(value, Day(2026, 12, 17, 0.5)) << "Cancel changes nothing";

    Answer([](TVxCalendarForm& form) {
        EXPECT_EQ(form.Caption(), QStringLiteral("Due"));
        ClickDay(*form.MonthE, 15);
        QTest::keyClick(GridView(*form.MonthE), Qt::Key_Return);
    });
    EXPECT_TRUE(SelectDate(nullptr, value, QStringLiteral("Due")));
    EXPECT_EQ(value, Day(2026, 12, 15, 0.5)) << "Enter on the calendar is OK";
}

TEST_F(CalendarFixture, SelectTimeAndDateTime) {
    TDateTime value = Day(2026, 12, 3, 0.5); // 12:00
    Answer([](TVxCalendarForm& form) {
        EXPECT_TRUE(form.CalendarP->isHidden());
        EXPECT_EQ(form.ClientHeight(), 29 + 32);
        EXPECT_EQ(form.Caption(), QStringLiteral("Select time"));
        EXPECT_EQ(form.ActiveControl(), form.TimeE);
        QTest::keyClick(form.TimeE, Qt::Key_Up); // hours
        QTest::keyClick(form.TimeE, Qt::Key_Up);
        ClickOk(form);
    });
    EXPECT_TRUE(SelectTime(nullptr, value));
    EXPECT_DOUBLE_EQ(value, Day(2026, 12, 3, 14.0 / 24)) << "the date kept";

    Answer([](TVxCalendarForm& form) {
        EXPECT_FALSE(form.CalendarP->isHidden());
        EXPECT_FALSE(form.TimeP->isHidden());
        EXPECT_EQ(form.Caption(), QStringLiteral("Select date and time"));
        ClickDay(*form.MonthE, 21);
        QTest::keyClick(form.TimeE, Qt::Key_Down);
        QTest::keyClick(form.TimeE, Qt::Key_Return); // the default button
    });
    EXPECT_TRUE(SelectDateTime(nullptr, value));
    EXPECT_DOUBLE_EQ(value, Day(2026, 12, 21, 13.0 / 24));
}

TEST_F(CalendarFixture, MultiSelectPickerTakesTheRange) {
    TvexoCalendar calendar;
    calendar.SetMultiSelect(true);
    calendar.SetMaxSelectRange(3);
    Answer([](TVxCalendarForm& form) {
        ClickDay(*form.MonthE, 15);
        ClickDay(*form.MonthE, 19, Qt::ShiftModifier);
        ClickOk(form);
    });
    EXPECT_TRUE(calendar.SelectDate());
    EXPECT_EQ(calendar.DateTime(), Day(2026, 12, 15, 0.75));
    EXPECT_EQ(calendar.EndDate(), Day(2026, 12, 17));
}

// A check that refuses every day: the exception leaves the picker, and so does its dialog.
class RefusingCalendar : public TvexoCalendar {
public:
    bool checking = false;
    void CheckValidDate(TDateTime value) override {
        if (checking)
            throw EvexoCalendarException(QStringLiteral("refused"));
        TvexoCalendar::CheckValidDate(value);
    }
};

TEST_F(CalendarFixture, PickerFreesItsDialogOnAnException) {
    RefusingCalendar calendar;
    calendar.checking = true;
    QPointer<TVxCalendarForm> dialog;
    Answer([&dialog](TVxCalendarForm& form) {
        dialog = &form;
        ClickOk(form);
    });
    EXPECT_THROW(calendar.SelectDate(), EvexoCalendarException);
    EXPECT_EQ(VxCalendarForm, nullptr);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(calendar.DateTime(), Day(2026, 12, 10, 0.75)) << "the old value restored";
}

struct PlaceCase {
    const char* name;
    QPoint wanted;
    QPoint want;
};

class Placement : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(Placement, InsideTheWorkArea) {
    const QRect work(0, 30, 800, 570); // a panel above
    EXPECT_EQ(PickerPosition(GetParam().wanted, QSize(200, 250), work), GetParam().want);
}

INSTANTIATE_TEST_SUITE_P(Calendar, Placement,
                         ::testing::Values(PlaceCase{"Fits", {100, 100}, {100, 100}},
                                           PlaceCase{"RightEdge", {700, 100}, {599, 100}},
                                           PlaceCase{"BottomEdge", {100, 500}, {100, 349}},
                                           PlaceCase{"Corner", {790, 590}, {599, 349}},
                                           PlaceCase{"ExactFit", {600, 350}, {600, 350}},
                                           PlaceCase{"OffTheLeftAndTop", {-40, 0}, {0, 30}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalendarFixture, PickerOpensUnderItsControl) {
    ActiveForm host(400, 300);
    auto* edit = new TEdit(&host.form, &host.form);
    edit->SetBounds(20, 40, 120, 21);
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    TvexoCalendar calendar;
    calendar.SetAttachedEdit(edit);

    host.form.move(work.topLeft() + QPoint(10, 10));
    auto form = calendar.CreatePickerForm(TvexoCalendar::cpDate);
    EXPECT_EQ(QPoint(form->Left(), form->Top()), edit->mapToGlobal(QPoint(0, edit->height() + 1)));

    // Near the bottom right corner the dialog ends one pixel inside the screen.
    host.form.move(work.right() - 150, work.bottom() - 80);
    form.reset();
    form = calendar.CreatePickerForm(TvexoCalendar::cpDateTime);
    EXPECT_EQ(form->Left() + form->Width(), work.left() + work.width() - 1);
    EXPECT_EQ(form->Top() + form->Height(), work.top() + work.height() - 1);
}

} // namespace
