#pragma once
// The faces of the push buttons: the classic face (new two-ring bevel or the framed old look)
// and the flatter face of the bitmap button. Both return the rectangle left for the content,
// moved by one pixel down and right when the button is down.

#include "buttons/buttontypes.h"
#include "platform/runtime/types.h"
#include "vexo/buttons_export.h"

namespace vexo {

class TCanvas;

// The classic face on `client` in `color`: bsNew (and bsAutoDetect: the platform's controls
// are new-style) draws two 3-D rings, sunken when down; bsWin31 frames the face in
// clWindowFrame (corners in clBtnFace when rounded) with a bevel of `bevelWidth`. Focused
// adds a rectangle one pixel inside in the current pen. Returns `client` shrunk by
// `bevelWidth`, moved by (1, 1) when down.
VEXO_BUTTONS_EXPORT TRect DrawButtonFace(TCanvas& canvas, const TRect& client, TColor color,
                                         int bevelWidth, TButtonStyle style, bool isRounded,
                                         bool isDown, bool isFocused);

// The bitmap button's face: a clWindowText frame when active or focused (and drawFocus), the
// fill, a raised bevel (with a dark outer line when the mouse is over it) or a sunken one
// when down, and the focus rectangle when active and focused. Returns the content rectangle.
VEXO_BUTTONS_EXPORT TRect NewDrawButtonFace(TCanvas& canvas, const TRect& client, TColor color,
                                            bool mouseOver, bool isDown, bool isActive,
                                            bool isFocused, bool drawFocus);

} // namespace vexo
