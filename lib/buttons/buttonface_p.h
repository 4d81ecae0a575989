#pragma once
// The face routine behind DrawButtonFace, with the option of leaving the inside unfilled (the
// transparent button draws its bevel over the captured background).

#include "buttons/buttonface.h"

namespace vexo {

TRect DrawFace(TCanvas& canvas, const TRect& client, TColor color, int bevelWidth,
               TButtonStyle style, bool isRounded, bool isDown, bool isFocused, bool noFill);

} // namespace vexo
