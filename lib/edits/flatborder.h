#pragma once
// The flat border of the edits and combo boxes, and the text an edit shows while it is not
// being edited: what to draw, apart from the widgets that show it.

#include <QString>

#include "platform/image/canvas.h"
#include "platform/text/alignment.h"
#include "vexo/edits_export.h"

namespace vexo {

// The border widths: 3 pixels on the left and right, 2 on the top and bottom.
constexpr int FlatBorderX = 3;
constexpr int FlatBorderY = 2;

// Round `rect`: a sunken outer edge, the left column and top row inside it black when hot
// (button face otherwise), a sunken inner edge on the right and bottom, and a one-pixel frame
// in frameColor one pixel further in.
VEXO_EDITS_EXPORT void DrawFlatBorder(TCanvas& canvas, TRect rect, bool hot, TColor frameColor);

// An edit's text as it shows while not edited: in `font` on `color` from the top of `rect`
// (its right edge 2 pixels in), aligned, "&" shown as it is; a disabled edit whose colour is not
// the grey-text colour writes in clGrayText.
VEXO_EDITS_EXPORT void PaintEdit(TCanvas& canvas, TAlignment alignment, TColor color,
                                 const TFont& font, const TRect& rect, const QString& text,
                                 bool enabled);

} // namespace vexo
