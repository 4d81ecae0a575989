#pragma once
// The framework's date-time picker in its time kind: a spin edit of the time in the program's
// long time format (as it is when the picker is made). Time is the time of day as a date-time
// (date part 0).

#include <QTimeEdit>

#include "platform/gui/wincontrol.h"
#include "platform/runtime/component.h"
#include "platform/text/datetime.h"
#include "vexo/calendar_export.h"

namespace vexo {

class VEXO_CALENDAR_EXPORT TDateTimePicker : public QTimeEdit,
                                             public TWinControl,
                                             public TComponent {
    Q_OBJECT
    VEXO_COMPONENT

public:
    Q_INVOKABLE explicit TDateTimePicker(vexo::TComponent* owner = nullptr);
    TDateTimePicker(TComponent* owner, QWidget* parent);

    TDateTime Time() const;
    // Takes the time of day of `time`, whatever its date.
    void SetTime(TDateTime time);
};

} // namespace vexo
