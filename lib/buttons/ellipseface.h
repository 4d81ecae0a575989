#pragma once
// The round face of an ellipse bitmap button, and the press test that goes with it.

#include "platform/runtime/types.h"
#include "vexo/buttons_export.h"

namespace vexo {

class TCanvas;

// The ellipse face inside `client` shrunk by 1: a shadow ring, the face in `color`, a
// highlight (pressed) or frame (up) ring, the inner ring and a shadow arc along the lower
// right; the canvas ends with the pen in clBtnShadow.
VEXO_BUTTONS_EXPORT void DrawEllipseFace(TCanvas& canvas, const TRect& client, TColor color,
                                         bool pressed);

// Whether a press at (x, y) hits the ellipse filling width x height: with rx = width / 2
// and ry = height / 2 (whole numbers), (rx - x)^2 / rx^2 + (ry - y)^2 / ry^2 <= 1. A zero
// radius hits nothing.
VEXO_BUTTONS_EXPORT bool EllipseHit(int width, int height, int x, int y);

} // namespace vexo
