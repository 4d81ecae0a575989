#pragma once
// One-shot pickers for a value next to a control (an edit's drop-down button): each opens
// the calendar dialog under `control` (centred without one) and, on OK, stores the choice
// in the value and returns true; Cancel leaves the value alone. An empty caption gives the
// standard title.

#include <QString>

#include "calendar/calendartypes.h"
#include "platform/text/datetime.h"

class QWidget;

namespace vexo {

// The day is chosen; the value's time of day is kept.
VEXO_CALENDAR_EXPORT bool SelectDate(QWidget* control, TDateTime& date,
                                     const QString& caption = QString(),
                                     TCalDayOfWeek firstDay = dowLocaleDefault);
// The time of day is chosen; the value's date is kept.
VEXO_CALENDAR_EXPORT bool SelectTime(QWidget* control, TDateTime& time,
                                     const QString& caption = QString());
VEXO_CALENDAR_EXPORT bool SelectDateTime(QWidget* control, TDateTime& dateTime,
                                         const QString& caption = QString(),
                                         TCalDayOfWeek firstDay = dowLocaleDefault);

} // namespace vexo
