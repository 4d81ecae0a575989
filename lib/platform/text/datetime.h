#pragma once
// Date-times as a double: whole days since 30 December 1899, the fraction being the time of
// day. Dates before the base are negative; their fraction still counts forward from midnight
// (-1.25 is 29 December 1899, 06:00).

#include <functional>

#include "vexo/platform_export.h"

namespace vexo {

using TDateTime = double;

constexpr double HoursPerDay = 24;
constexpr double MinsPerDay = HoursPerDay * 60;
constexpr double SecsPerDay = MinsPerDay * 60;
constexpr double MSecsPerDay = SecsPerDay * 1000;

VEXO_PLATFORM_EXPORT bool IsLeapYear(int year);
// Days in `month` of `year`; 0 for a month outside 1..12.
VEXO_PLATFORM_EXPORT int DaysInAMonth(int year, int month);

// False (and `date` untouched) for a date outside 1/1/1 .. 31/12/9999.
VEXO_PLATFORM_EXPORT bool TryEncodeDate(int year, int month, int day, TDateTime& date);
// Raises EConvertError "Invalid argument to date encode" for an impossible date.
VEXO_PLATFORM_EXPORT TDateTime EncodeDate(int year, int month, int day);
// False for hour >= 24, min >= 60, sec >= 60 or msec >= 1000 (or negative parts).
VEXO_PLATFORM_EXPORT bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
// Raises EConvertError "Invalid argument to time encode" for an impossible time.
VEXO_PLATFORM_EXPORT TDateTime EncodeTime(int hour, int min, int sec, int msec);

// Values outside the years 1..9999 (or not finite) decode as 0/0/0; DayOfWeek gives 0.
VEXO_PLATFORM_EXPORT void DecodeDate(TDateTime date, int& year, int& month, int& day);
VEXO_PLATFORM_EXPORT void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec);
// 1 = Sunday ... 7 = Saturday.
VEXO_PLATFORM_EXPORT int DayOfWeek(TDateTime date);

// The current local date-time, date (time part 0) and time of day (date part 0).
VEXO_PLATFORM_EXPORT TDateTime Now();
VEXO_PLATFORM_EXPORT TDateTime Date();
VEXO_PLATFORM_EXPORT TDateTime Time();
VEXO_PLATFORM_EXPORT int CurrentYear();

// Replaces the clock behind Now/Date/Time (an empty function restores the system clock) and
// returns the previous one. Tests use it so that "today" is fixed.
using TClockFunction = std::function<TDateTime()>;
VEXO_PLATFORM_EXPORT TClockFunction SetClock(TClockFunction clock);

} // namespace vexo
