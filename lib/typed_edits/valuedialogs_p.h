#pragma once
// The dialog behind the typed edit's right-hand button, apart from the edit: the calculator
// for numbers, the date, time or date-and-time picker for the date kinds.

#include <QWidget>

#include "platform/runtime/component.h"

namespace vexo {

// `value` holds the start value and gets the chosen one; true on OK. The dialog opens under
// `anchor`, centred on the screen without one. `owner` owns the dialog component while it runs.
bool RunValueDialog(int kind, QWidget* anchor, TComponent* owner, double& value);

} // namespace vexo
