#pragma once
// Three-dimensional frames and bevel line pairs. The classic routines drew on a device
// context; ours take the canvas, the one drawing path.

#include "platform/image/canvas.h"
#include "vexo/graphics_export.h"

namespace vexo {

// `width` one-pixel rings inside `rect`, top and left in topColor, bottom and right in
// bottomColor; `rect` becomes the inside (unchanged for a width of 0 or less). The canvas's
// own frame routine: the canvas pen is left as it was.
VEXO_GRAPHICS_EXPORT void DCFrame3D(TCanvas& canvas, TRect& rect, TColor topColor,
                                    TColor bottomColor, int width);

// Two polylines with the pen, the first in color1 and the second in color2 (the pen keeps
// color2), last points left out. With L, T, R, B the rectangle's sides:
//   DoHorRect  true:  (L,B)-(L,T)-(R,T)  then (R,T)-(R,B)
//   DoHorRect  false: (L,B)-(L,T)        then (R,T)-(R,B)-(L-1,B)
//   DoVertRect true:  (L,B)-(L,T)-(R,T)  then (L-1,B)-(R,B)
//   DoVertRect false: (L,T)-(R,T)        then (L-1,B)-(R,B)-(R,T)
VEXO_GRAPHICS_EXPORT void DoHorRect(TCanvas& canvas, bool flag, const TRect& rect, TColor color1,
                                    TColor color2);
VEXO_GRAPHICS_EXPORT void DoVertRect(TCanvas& canvas, bool flag, const TRect& rect, TColor color1,
                                     TColor color2);

} // namespace vexo
