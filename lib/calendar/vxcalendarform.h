#pragma once
// The calendar dialog behind the date and time pickers: a month-calendar panel, a time panel
// and a button panel stacked from the top; hiding one panel and calling AlignPanels leaves a
// dialog just tall enough for the others.

#include "platform/gui/custompanel.h"
#include "platform/gui/form.h"
#include "vexo/calendar_export.h"

namespace vexo {

class TDateTimePicker;
class TMonthCalendar;
class TvexoBitBtn;
class TvexoLabel;

class VEXO_CALENDAR_EXPORT TVxCalendarForm : public TForm {
    Q_OBJECT

public:
    // Client 194 x 218 (wider and taller when the calendar needs it), a tool window.
    Q_INVOKABLE explicit TVxCalendarForm(vexo::TComponent* owner = nullptr);

    // Client height of the visible panels.
    void AlignPanels();

    TCustomPanel* CalendarP;
    TMonthCalendar* MonthE;
    TCustomPanel* TimeP;
    TvexoLabel* TimeL;
    TDateTimePicker* TimeE;
    TCustomPanel* ButtonsP;
    TvexoBitBtn* OkB;
    TvexoBitBtn* CancelB;
};

} // namespace vexo
