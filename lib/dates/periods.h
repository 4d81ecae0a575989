#pragma once
// Bounds of the current day, week, month, quarter and year, "today" being Date(). The first
// bound is the period's first day; the second is the first day after it, except for the week,
// whose second bound is its own Sunday.

#include "platform/text/datetime.h"
#include "vexo/dates_export.h"

namespace vexo {

// Today and tomorrow.
VEXO_DATES_EXPORT void GetDatesOnDay(TDateTime& d1, TDateTime& d2);
// Monday of this week and the Sunday six days later.
VEXO_DATES_EXPORT void GetDatesOnWeek(TDateTime& d1, TDateTime& d2);
VEXO_DATES_EXPORT void GetDatesOnMonth(TDateTime& d1, TDateTime& d2);
VEXO_DATES_EXPORT void GetDatesOnQuarter(TDateTime& d1, TDateTime& d2);
VEXO_DATES_EXPORT void GetDatesOnYear(TDateTime& d1, TDateTime& d2);

} // namespace vexo
