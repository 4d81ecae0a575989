#pragma once
// Whole days and times of day of date-times, and their Qt counterparts. A time of day counts
// forward from midnight also before the base date (-1.25 is 29 December 1899, 06:00).

#include <QDate>
#include <QTime>
#include <cmath>

#include "platform/text/datetime.h"

namespace vexo {

inline TDateTime WholeDays(TDateTime value) {
    return std::trunc(value);
}

inline TDateTime TimeOfDay(TDateTime value) {
    return std::fabs(value - std::trunc(value));
}

inline TDateTime ComposeDateTime(TDateTime day, TDateTime time) {
    return day < 0 ? WholeDays(day) - time : WholeDays(day) + time;
}

// An invalid QDate for a value outside the years 1..9999.
inline QDate ToQDate(TDateTime value) {
    int year = 0, month = 0, day = 0;
    DecodeDate(value, year, month, day);
    return year == 0 ? QDate() : QDate(year, month, day);
}

inline TDateTime FromQDate(const QDate& date) {
    TDateTime value = 0;
    TryEncodeDate(date.year(), date.month(), date.day(), value);
    return value;
}

inline QTime ToQTime(TDateTime value) {
    int hour = 0, min = 0, sec = 0, msec = 0;
    DecodeTime(value, hour, min, sec, msec);
    return QTime(hour, min, sec, msec);
}

inline TDateTime FromQTime(const QTime& time) {
    TDateTime value = 0;
    TryEncodeTime(time.hour(), time.minute(), time.second(), time.msec(), value);
    return value;
}

} // namespace vexo
