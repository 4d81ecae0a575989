#include "platform/text/datetime.h"

#include <QDateTime>
#include <cmath>

#include "platform/runtime/exception.h"

namespace vexo {

namespace {

// Julian day number of 30 December 1899.
constexpr qint64 BaseJulianDay = 2415019;
// Day numbers of 1 January 1 and 31 December 9999.
constexpr double MinDay = -693593;
constexpr double MaxDay = 2958465;

// The whole-day part, or false when the value is not a date of the years 1..9999.
bool WholeDay(TDateTime value, qint64& day) {
    if (!std::isfinite(value) || std::trunc(value) < MinDay || std::trunc(value) > MaxDay)
        return false;
    day = qint64(std::trunc(value));
    return true;
}

TClockFunction& Clock() {
    static TClockFunction clock;
    return clock;
}

TDateTime SystemNow() {
    const QDateTime now = QDateTime::currentDateTime();
    TDateTime date = 0;
    TryEncodeDate(now.date().year(), now.date().month(), now.date().day(), date);
    return date + now.time().msecsSinceStartOfDay() / MSecsPerDay;
}

// Milliseconds of the time of day; a fraction that rounds up to a whole day counts as the last
// millisecond, so that decoding never yields the hour 24.
qint64 TimeMSecs(TDateTime value) {
    if (!std::isfinite(value))
        return 0;
    const double fraction = std::fabs(value - std::trunc(value));
    const auto ms = static_cast<qint64>(std::llround(fraction * MSecsPerDay));
    return ms >= qint64(MSecsPerDay) ? qint64(MSecsPerDay) - 1 : ms;
}

} // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInAMonth(int year, int month) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
    if (year < 1 || year > 9999 || day < 1 || day > DaysInAMonth(year, month))
        return false;
    date = double(QDate(year, month, day).toJulianDay() - BaseJulianDay);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return date;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
    if (hour < 0 || hour >= 24 || min < 0 || min >= 60 || sec < 0 || sec >= 60 || msec < 0 ||
        msec >= 1000)
        return false;
    time = (((hour * 60 + min) * 60 + sec) * 1000 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
    TDateTime time = 0;
    if (!TryEncodeTime(hour, min, sec, msec, time))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return time;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
    year = month = day = 0;
    qint64 whole = 0;
    if (!WholeDay(date, whole))
        return;
    const QDate d = QDate::fromJulianDay(whole + BaseJulianDay);
    year = d.year();
    month = d.month();
    day = d.day();
}

void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec) {
    qint64 ms = TimeMSecs(time);
    msec = int(ms % 1000);
    ms /= 1000;
    sec = int(ms % 60);
    ms /= 60;
    min = int(ms % 60);
    hour = int(ms / 60);
}

int DayOfWeek(TDateTime date) {
    qint64 day = 0;
    if (!WholeDay(date, day))
        return 0;
    // Day 0 (30 December 1899) was a Saturday.
    return int(((day + 6) % 7 + 7) % 7) + 1;
}

TDateTime Now() {
    return Clock() ? Clock()() : SystemNow();
}

TDateTime Date() {
    return std::trunc(Now());
}

TDateTime Time() {
    const TDateTime now = Now();
    return now - std::trunc(now);
}

int CurrentYear() {
    int year = 0, month = 0, day = 0;
    DecodeDate(Date(), year, month, day);
    return year;
}

TClockFunction SetClock(TClockFunction clock) {
    TClockFunction previous = std::move(Clock());
    Clock() = std::move(clock);
    return previous;
}

} // namespace vexo
