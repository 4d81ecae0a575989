#pragma once
// The grey, embossed look of a glyph that has no disabled image of its own: its drawing in the
// button shadow colour over a white copy one pixel down and right, on the face colour.

#include "platform/image/bitmap.h"
#include "platform/runtime/types.h"
#include "vexo/buttons_export.h"

namespace vexo {

// The drawing of a glyph as a 1-bit image of its first `cellWidth` columns: background white
// (1), drawing black (0). The drawing is every pixel that is not `maskColor` and darker than
// light grey; light parts of a picture (highlights, white fills) count as background, as they
// would vanish on a grey face anyway.
VEXO_BUTTONS_EXPORT TBitmap GlyphDrawingMask(const TBitmap& glyph, int cellWidth, TColor maskColor);

// A 24-bit cell of `cellWidth` x glyph height in the embossed look on `faceColor`, made by
// block transfers of the drawing mask: MERGEPAINT at (1, 1) and SRCAND at (0, 0) with the
// drawing black and the background white, then SRCPAINT with the drawing in clBtnShadow and
// the background black.
VEXO_BUTTONS_EXPORT TBitmap CreateEmbossedGlyph(const TBitmap& glyph, int cellWidth,
                                                TColor maskColor, TColor faceColor);

} // namespace vexo
