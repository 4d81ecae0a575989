#pragma once
// Text drawn at an angle, clipped to a rectangle.

#include <QString>

#include "platform/image/canvas.h"
#include "vexo/gauge_dialogs_export.h"

namespace vexo {

// Draws `text` in the canvas font turned by `angle` degrees counter-clockwise around (x, y),
// clipped to `rect`; the canvas font is left as it was.
VEXO_GAUGE_DIALOGS_EXPORT void AngleTextInRect(TCanvas& canvas, const QString& text,
                                               const TRect& rect, int x, int y, int angle);

} // namespace vexo
