#pragma once
// Shared by the calendar tests: dates, the classic English format settings, a fixed "now",
// and clicks on a day of the month calendar's grid.

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "calendar/monthcalendar.h"
#include "platform/text/formatsettings.h"
#include "support/fixedclock.h"

inline vexo::TDateTime Day(int year, int month, int day, double time = 0) {
    return vexo::EncodeDate(year, month, day) + time;
}

// Thursday 10 December 2026, 18:00.
struct CalendarFixture : ::testing::Test {
    CalendarFixture() { vexo::FormatSettings() = vexo::TFormatSettings::Defaults(); }
    FixedClock clock{Day(2026, 12, 10, 0.75)};
};

inline QAbstractItemView* GridView(vexo::TMonthCalendar& calendar) {
    return calendar.Grid()->findChild<QAbstractItemView*>();
}

// The cell of a day of the shown month; 15..21 stand once on any page.
inline QModelIndex DayCell(vexo::TMonthCalendar& calendar, int day) {
    const QAbstractItemModel* model = GridView(calendar)->model();
    for (int row = 1; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex cell = model->index(row, column);
            if (column >= (calendar.WeekNumbers() ? 1 : 0) && cell.data().toInt() == day)
                return cell;
        }
    ADD_FAILURE() << "no cell for day " << day;
    return {};
}

inline void ClickCell(vexo::TMonthCalendar& calendar, const QModelIndex& cell,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QAbstractItemView* view = GridView(calendar);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualRect(cell).center());
}

inline void ClickDay(vexo::TMonthCalendar& calendar, int day,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    ClickCell(calendar, DayCell(calendar, day), modifiers);
}
