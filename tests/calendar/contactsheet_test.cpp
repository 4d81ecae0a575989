// Renders the calendar pickers in their states into one contact sheet; with VARNOVA_SHEET_DIR
// set it is written there as calendar.png (docs/ has it from here).
#include "calendar/vexocalendar.h"
#include "calendar/vxcalendarform.h"
#include "calendartest_p.h"
#include "support/contactsheet.h"

using namespace vexo;
using vexo::test::TContactSheet;

namespace {

struct Picture {
    QString title;
    QImage image;
};

QImage Grab(TvexoCalendar& calendar, TvexoCalendar::TCalendarPicker picker) {
    auto form = calendar.CreatePickerForm(picker);
    return vexo::test::Shot(*form);
}

TEST_F(CalendarFixture, ContactSheet) {
    std::vector<Picture> shots;
    {
        TvexoCalendar calendar;
        shots.push_back({"Date, today circled", Grab(calendar, TvexoCalendar::cpDate)});
        shots.push_back({"Time", Grab(calendar, TvexoCalendar::cpTime)});
        shots.push_back({"Date and time", Grab(calendar, TvexoCalendar::cpDateTime)});
    }
    {
        TvexoCalendar calendar;
        calendar.SetCaption(QStringLiteral("Delivery days"));
        calendar.SetMultiSelect(true);
        calendar.SetMinDate(Day(2026, 12, 7));
        calendar.SetMaxDate(Day(2026, 12, 23));
        calendar.SetDate(Day(2026, 12, 14));
        calendar.SetEndDate(Day(2026, 12, 18));
        calendar.SetFirstDayOfWeek(dowSunday);
        calendar.SetWeekNumbers(true);
        shots.push_back(
            {"Range, bounds, Sunday first, weeks", Grab(calendar, TvexoCalendar::cpDate)});
    }
    {
        TvexoCalendar calendar;
        calendar.SetShowToday(false);
        calendar.SetShowTodayCircle(false);
        const TColor colors[] = {0xF4F0E8, 0x402010, 0x5A7A2E, clWhite, 0xFAFAF5, 0xA0A0A0};
        for (int i = 0; i < TvexoMonthCalColors::ColorCount; ++i)
            calendar.CalColors()->SetColor(i, colors[i]);
        shots.push_back({"Own colours, no today", Grab(calendar, TvexoCalendar::cpDate)});
    }

    const int margin = 12;
    int width = margin, height = 0;
    for (const Picture& p : shots) {
        width += p.image.width() + margin;
        height = std::max(height, p.image.height());
    }
    TContactSheet sheet(width, height + 15 + 2 * margin);
    int x = margin;
    for (const Picture& p : shots) {
        sheet.Put(x, margin, p.title, p.image);
        x += p.image.width() + margin;
    }
    sheet.Save(QStringLiteral("calendar.png"));
}

} // namespace
