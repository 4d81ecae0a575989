#include "calendar/datetimepicker.h"

#include "calendar/calendardates_p.h"
#include "calendar/qttimeformat.h"
#include "platform/text/formatsettings.h"

namespace vexo {

TDateTimePicker::TDateTimePicker(TComponent* owner) : TDateTimePicker(owner, nullptr) {}

TDateTimePicker::TDateTimePicker(TComponent* owner, QWidget* parent)
    : QTimeEdit(VisualParent(owner, parent)),
      TWinControl(this, clWindow, QPalette::Base, QPalette::Text, false), TComponent(this, owner) {
    SetTabStop(true);
    // The program's long time format; Qt refuses a format without fields (an empty one, say)
    // and keeps the one set first.
    setDisplayFormat(QStringLiteral("HH:mm:ss"));
    setDisplayFormat(QtTimeFormat(FormatSettings().LongTimeFormat, FormatSettings()));
}

TDateTime TDateTimePicker::Time() const {
    return FromQTime(time());
}

void TDateTimePicker::SetTime(TDateTime time) {
    setTime(ToQTime(TimeOfDay(time)));
}

} // namespace vexo
