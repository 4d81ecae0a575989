#include "calendar/calendarpickers.h"

#include "calendar/calendardates_p.h"
#include "calendar/vexocalendar.h"

namespace vexo {

namespace {
// The component starts from the whole value: a date picker must not hand back the clock's
// time of day, nor a time picker today's date.
bool Pick(QWidget* control, TDateTime& value, const QString& caption, TCalDayOfWeek firstDay,
          TvexoCalendar::TCalendarPicker picker) {
    TvexoCalendar calendar;
    calendar.SetCaption(caption);
    calendar.SetFirstDayOfWeek(firstDay);
    calendar.SetDate(value);
    calendar.SetTime(value);
    calendar.SetAttachedEdit(control);
    bool ok = false;
    switch (picker) {
    case TvexoCalendar::cpDate:
        ok = calendar.SelectDate();
        break;
    case TvexoCalendar::cpTime:
        ok = calendar.SelectTime();
        break;
    case TvexoCalendar::cpDateTime:
        ok = calendar.SelectDateTime();
        break;
    }
    if (ok)
        value = ComposeDateTime(calendar.GetDate(), TimeOfDay(calendar.GetTime()));
    return ok;
}
} // namespace

bool SelectDate(QWidget* control, TDateTime& date, const QString& caption, TCalDayOfWeek firstDay) {
    return Pick(control, date, caption, firstDay, TvexoCalendar::cpDate);
}

bool SelectTime(QWidget* control, TDateTime& time, const QString& caption) {
    return Pick(control, time, caption, dowLocaleDefault, TvexoCalendar::cpTime);
}

bool SelectDateTime(QWidget* control, TDateTime& dateTime, const QString& caption,
                    TCalDayOfWeek firstDay) {
    return Pick(control, dateTime, caption, firstDay, TvexoCalendar::cpDateTime);
}

} // namespace vexo
