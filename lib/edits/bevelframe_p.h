#pragma once
// The double bevel of the labels and panels: an outer bevel, a band, an inner bevel.

#include "platform/gui/controltypes.h"
#include "platform/image/canvas.h"

namespace vexo {

// Draws round `rect` the outer bevel (unless bvNone), the band of borderWidth (in bandColor;
// clNone leaves it unpainted) and the inner bevel (unless bvNone); bevels are bevelWidth
// wide, light above and left and dark below and right, the other way round when lowered.
// `rect` becomes what is inside.
void PaintBevelFrame(TCanvas& canvas, TRect& rect, TBevelCut outer, TBevelCut inner, int bevelWidth,
                     int borderWidth, TColor bandColor);

// The width that frame takes on each side.
int BevelFrameWidth(TBevelCut outer, TBevelCut inner, int bevelWidth, int borderWidth);

} // namespace vexo
