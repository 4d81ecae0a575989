#pragma once
// Equality of two bitmaps: geometry, format, palette, masks and raw pixel bytes.

#include "platform/image/bitmap.h"

inline bool SameBitmap(const vexo::TBitmap& a, const vexo::TBitmap& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && a.BitCount() == b.BitCount() &&
           a.Palette() == b.Palette() && a.BitFields() == b.BitFields() && a.Pixels() == b.Pixels();
}
