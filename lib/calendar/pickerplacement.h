#pragma once
// Where a drop-down dialog opens: one pixel below a control, moved back inside the work area
// of the screen it is on (ending one pixel inside it), or centred when there is no control.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "vexo/calendar_export.h"

class QWidget;

namespace vexo {

class TForm;

// The top left of a dialog of `size` wanted at `wanted` (screen coordinates) inside `work`.
VEXO_CALENDAR_EXPORT QPoint PickerPosition(QPoint wanted, QSize size, const QRect& work);
// Moves `dialog` under `control` (a control with a parent), else to the centre of the
// primary screen's work area.
VEXO_CALENDAR_EXPORT void PlaceUnderControl(TForm& dialog, const QWidget* control);

} // namespace vexo
