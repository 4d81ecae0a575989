#pragma once
// Centring arithmetic on rectangles.

#include "platform/runtime/types.h"
#include "vexo/graphics_export.h"

namespace vexo {

VEXO_GRAPHICS_EXPORT int WidthOf(const TRect& rect);
VEXO_GRAPHICS_EXPORT int HeightOf(const TRect& rect);
// Where something `size` wide (high) starts centred in the rectangle; halves round toward 0.
VEXO_GRAPHICS_EXPORT int HorCenter(const TRect& rect, int size);
VEXO_GRAPHICS_EXPORT int VertCenter(const TRect& rect, int size);

} // namespace vexo
