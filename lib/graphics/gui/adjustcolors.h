#pragma once
// The colour pair of a bevel: highlight over shadow for a raised cut, the other way round for
// a lowered one.

#include "platform/gui/controltypes.h"
#include "platform/runtime/types.h"
#include "vexo/graphics_gui_export.h"

namespace vexo {

// topColor = highlight and bottomColor = shadow, swapped when bevel is bvLowered.
VEXO_GRAPHICS_GUI_EXPORT void AdjustColors(TBevelCut bevel, TColor& topColor, TColor& bottomColor,
                                           TColor highlightColor, TColor shadowColor);

} // namespace vexo
