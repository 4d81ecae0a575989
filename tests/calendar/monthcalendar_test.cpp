#include "calendartest_p.h"

using namespace vexo;

namespace {

// A drag with the left button over the days of December 2026 (Tuesday the 1st): pressed on
// `from`, moved over `via` (0: straight), released on `to` -- the first cell with that number,
// so 30 is 30 November on the first row. The range wanted in days of December (0: 30 November).
struct DragCase {
    const char* name;
    bool multiSelect;
    int maxRange;
    TCalDayOfWeek firstDay;
    bool weekNumbers;
    int from, via, to, first, last;
};

class MonthCalendarDrag : public CalendarFixture, public ::testing::WithParamInterface<DragCase> {};

TEST_P(MonthCalendarDrag, SelectsTheRange) {
    const DragCase& c = GetParam();
    TMonthCalendar calendar;
    calendar.SetFirstDayOfWeek(c.firstDay);
    calendar.SetWeekNumbers(c.weekNumbers);
    calendar.SetMultiSelect(c.multiSelect);
    calendar.SetMaxSelectRange(c.maxRange);
    calendar.SetDate(Day(2026, 12, 10));
    QWidget* viewport = GridView(calendar)->viewport();
    const auto at = [&](int day) {
        return GridView(calendar)->visualRect(DayCell(calendar, day)).center();
    };
    const TDateTime first = Day(2026, 11, 30) + c.first, last = Day(2026, 11, 30) + c.last;
    QTest::mousePress(viewport, Qt::LeftButton, {}, at(c.from));
    if (c.via)
        QTest::mouseMove(viewport, at(c.via));
    QTest::mouseMove(viewport, at(c.to));
    if (c.multiSelect) {
        EXPECT_EQ(calendar.EndDate() - calendar.Date(), last - first) << "while dragging";
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(c.to));
    EXPECT_EQ(calendar.Date(), first);
    EXPECT_EQ(calendar.EndDate(), last);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, MonthCalendarDrag,
    ::testing::Values(
        DragCase{"Forward", true, 31, dowMonday, false, 8, 12, 17, 8, 17},
        DragCase{"CutToMaxRange", true, 5, dowMonday, false, 8, 0, 20, 8, 12},
        DragCase{"BackwardCut", true, 5, dowMonday, false, 20, 0, 8, 16, 20},
        DragCase{"BackToTheDayPressed", true, 31, dowMonday, false, 8, 12, 8, 8, 8},
        DragCase{"IntoTheMonthBefore", true, 31, dowMonday, false, 3, 0, 30, 0, 3},
        DragCase{"SundayFirstWeekNumbers", true, 31, dowSunday, true, 14, 0, 19, 14, 19},
        DragCase{"FirstOfMonthOpensRowTwo", true, 31, dowTuesday, false, 1, 0, 3, 1, 3},
        DragCase{"OneDayWithoutMultiSelect", false, 31, dowMonday, false, 8, 12, 17, 17, 17}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
