#include "calendar/datetimepicker.h"

#include "calendar/calendardates_p.h"

namespace vexo {

TDateTimePicker::TDateTimePicker(TComponent* owner) : TDateTimePicker(owner, nullptr) {}

TDateTimePicker::TDateTimePicker(TComponent* owner, QWidget* parent)
    : QTimeEdit(VisualParent(owner, parent)),
      TWinControl(this, clWindow, QPalette::Base, QPalette::Text, false), TComponent(this, owner) {
    SetTabStop(true);
    // Seconds always shown, whatever the locale's short time format leaves out.
    setDisplayFormat(QStringLiteral("HH:mm:ss"));
}

TDateTime TDateTimePicker::Time() const {
    return FromQTime(time());
}

void TDateTimePicker::SetTime(TDateTime time) {
    setTime(ToQTime(TimeOfDay(time)));
}

} // namespace vexo
