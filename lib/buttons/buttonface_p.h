#pragma once
// The face routine behind DrawButtonFace, with the option of leaving the inside unfilled (the
// transparent button draws its bevel over the captured background), and the rectangle
// arithmetic of the faces.

#include "buttons/buttonface.h"

namespace vexo {

inline TRect Shrunk(const TRect& r, int by) {
    return Rect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by);
}

inline TRect Moved(const TRect& r, int dx, int dy) {
    return Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

TRect DrawFace(TCanvas& canvas, const TRect& client, TColor color, int bevelWidth,
               TButtonStyle style, bool isRounded, bool isDown, bool isFocused, bool noFill);

} // namespace vexo
