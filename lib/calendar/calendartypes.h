#pragma once
// The first column of a month calendar: a day of the week, or the locale's first day.

#include <QObject>

#include "vexo/calendar_export.h"

namespace vexo {
namespace CalendarTypes {
Q_NAMESPACE_EXPORT(VEXO_CALENDAR_EXPORT)

enum TCalDayOfWeek {
    dowMonday = 0,
    dowTuesday = 1,
    dowWednesday = 2,
    dowThursday = 3,
    dowFriday = 4,
    dowSaturday = 5,
    dowSunday = 6,
    dowLocaleDefault = 7
};
Q_ENUM_NS(TCalDayOfWeek)

} // namespace CalendarTypes

using CalendarTypes::TCalDayOfWeek;
using enum CalendarTypes::TCalDayOfWeek;

} // namespace vexo
