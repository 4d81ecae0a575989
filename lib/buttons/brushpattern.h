#pragma once
// The shared checker brush of pressed sticky buttons.

#include "platform/image/bitmap.h"
#include "vexo/buttons_export.h"

namespace vexo {

// An 8 x 8 bitmap in clBtnFace whose pixels (x, y) with x and y of equal parity are white;
// made on the first call and kept for the process (later calls return the same bitmap).
VEXO_BUTTONS_EXPORT const TBitmap& CreateBrushPattern();

} // namespace vexo
