#pragma once
// The classic multiply-then-divide of sizes and font heights.

#include "vexo/platform_export.h"

namespace vexo {

// a * b / c in 64 bits, rounded half away from zero; c must not be 0.
VEXO_PLATFORM_EXPORT int MulDiv(int a, int b, int c);

} // namespace vexo
