#pragma once
// Where a pop-up window goes: its top-left corner at a point (under a control or a point of
// the screen), kept inside the screen's work area.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "vexo/calculator_form_export.h"

class QWidget;

namespace vexo {

// The top-left corner for a window of `size` that should open at `below`. When it would run
// past the bottom of `workArea` it ends at `aboveY` instead (the row below its last row), if
// there is room there; then it is moved into the work area, its left and top edges
// winning when it is larger than the area.
VEXO_CALCULATOR_FORM_EXPORT QPoint PopupPlacement(QPoint below, int aboveY, QSize size,
                                                  const QRect& workArea);
// PopupPlacement under a control: at (left, top + height + 1) of the control on the screen, or
// as far above it when there is no room below, in the work area of the screen the control is on.
VEXO_CALCULATOR_FORM_EXPORT QPoint PopupPlacementUnder(const QWidget& control, QSize size);
// PopupPlacement at a point of the screen, in the work area of the screen it is on.
VEXO_CALCULATOR_FORM_EXPORT QPoint PopupPlacementAt(QPoint point, QSize size);

} // namespace vexo
