#pragma once
// Embossed text: a highlight copy moved towards the light, a shadow copy moved away from it,
// then the face text on top.

#include <QString>

#include "edits/edittypes.h"
#include "platform/gui/controltypes.h"
#include "platform/image/canvas.h"
#include "platform/text/alignment.h"

namespace vexo {

// Draws `text` into `rect` (or with calcOnly only measures it) in the canvas's font; only the
// font colour is changed, and it ends as frontColor. The rectangle is first shrunk by
// depth + 2 on the left and right and depth + 1 on the top and bottom. With a depth above 1
// the highlight copy (lightColor) is moved by depth towards `light` and the shadow copy
// (shadowColor) as far the other way. tlCenter and tlBottom move the text down by the free
// height (halved, toward zero, for tlCenter). `rect` ends as the face text's rectangle; with
// calcOnly it holds the measured extent. A negative depth counts as 0.
VEXO_EDITS_EXPORT void Draw3DText(const QString& text, TRect& rect, TCanvas& canvas,
                                  TLightPos light, TColor frontColor, TColor lightColor,
                                  TColor shadowColor, int depth, TAlignment alignment,
                                  TTextLayout layout, bool wordWrap, bool noPrefix, bool calcOnly);

// How far the highlight copy moves for a light position and depth; the shadow copy moves
// the opposite way.
VEXO_EDITS_EXPORT TPoint LightOffset(TLightPos light, int depth);

} // namespace vexo
