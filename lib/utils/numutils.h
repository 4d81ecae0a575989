#pragma once
// Numeric helpers: rounding with halves away from zero, minimum and maximum, swapping, and the
// packed 16-bit point.

#include <cstdint>

#include "platform/runtime/types.h"
#include "vexo/utils_export.h"

namespace vexo {

// Halves go away from zero (-2.5 gives -3). Values beyond the 32-bit range give the nearest
// end of the range and NaN gives 0, instead of an undefined conversion.
VEXO_UTILS_EXPORT std::int32_t Round(long double value);
// Rounded to `digits` decimals; negative digits round to tens, hundreds and so on
// (WRound(1234.5678, -2) is 1200). Rounds in double precision, so values whose scaled form
// exceeds 32 bits are not cut off.
VEXO_UTILS_EXPORT double WRound(double value, int digits);

VEXO_UTILS_EXPORT int GetMax(int a, int b);
VEXO_UTILS_EXPORT int GetMin(int a, int b);

VEXO_UTILS_EXPORT void SwapInteger(int& a, int& b);
VEXO_UTILS_EXPORT void SwapLongInt(std::int32_t& a, std::int32_t& b);
VEXO_UTILS_EXPORT void SwapDouble(double& a, double& b);
// Exchanges `size` bytes at p and q; nothing for null pointers or size <= 0.
VEXO_UTILS_EXPORT void Swap(void* p, void* q, int size);

// X = sign-extended low 16 bits, Y = sign-extended high 16 bits.
VEXO_UTILS_EXPORT TPoint SmallToPoint(std::uint32_t smallPoint);

} // namespace vexo
