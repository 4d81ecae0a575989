// Renders the calendar pickers in their states into one contact sheet; with VARNOVA_SHEET_DIR
// set it is written there as calendar.png (docs/ has it from here).
#include <QPainter>

#include "calendar/monthcalendar.h"
#include "calendar/vexocalendar.h"
#include "calendar/vxcalendarform.h"
#include "calendartest_p.h"

using namespace vexo;

namespace {

struct Shot {
    QString label;
    QImage image;
};

QImage Grab(TvexoCalendar& calendar, TvexoCalendar::TCalendarPicker picker) {
    auto form = calendar.CreatePickerForm(picker);
    form->show();
    QImage image = form->grab().toImage();
    form->hide();
    return image;
}

TEST_F(CalendarFixture, ContactSheet) {
    std::vector<Shot> shots;
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

    const int margin = 12, labelHeight = 18;
    int width = margin, height = 0;
    for (const Shot& s : shots) {
        width += s.image.width() + margin;
        height = std::max(height, s.image.height());
    }
    QImage sheet(width, height + labelHeight + 2 * margin, QImage::Format_RGB32);
    sheet.fill(QColor(0x9a, 0xa4, 0xae));
    QPainter painter(&sheet);
    int x = margin;
    for (const Shot& s : shots) {
        painter.setPen(Qt::black);
        painter.drawText(QRect(x, margin / 2, s.image.width() + margin, labelHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, s.label);
        painter.drawImage(x, margin / 2 + labelHeight, s.image);
        x += s.image.width() + margin;
    }
    painter.end();
    const QString dir = qEnvironmentVariable("VARNOVA_SHEET_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(sheet.save(dir + QStringLiteral("/calendar.png")));
    }
}

} // namespace
