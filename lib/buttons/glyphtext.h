#pragma once
// Glyph and caption placed side by side or one above the other, centred in a rectangle, for
// the push buttons whose glyph is a plain bitmap of two cells.

#include <QString>

#include "buttons/buttontypes.h"
#include "platform/image/bitmap.h"
#include "platform/runtime/types.h"
#include "vexo/buttons_export.h"

namespace vexo {

class TCanvas;

// Where the glyph and the caption go: a glyph of `glyphWidth` x `glyphHeight` and a caption
// of `textWidth` x `textHeight` centred together in `rect`, one pixel apart, the glyph at the
// `layout` side. Without a glyph the caption alone is centred both ways.
struct TGlyphTextPlace {
    TRect Glyph;
    TRect Text;
};
VEXO_BUTTONS_EXPORT TGlyphTextPlace PlaceGlyphWithText(const TRect& rect, bool hasGlyph,
                                                       int glyphWidth, int glyphHeight,
                                                       int textWidth, int textHeight,
                                                       TButtonLayout layout);

// A glyph of two cells, image | mask (the mask white where transparent), placed with the
// caption (its width on the canvas, the height of "W") and drawn: the mask by SRCAND, then the
// image by SRCPAINT, which stays the canvas's copy mode. `textRect` gets the caption's place;
// the caller draws the caption. `glyph` may be none.
VEXO_BUTTONS_EXPORT void DrawGlyphWithText(const TBitmap* glyph, TButtonLayout layout,
                                           const QString& caption, TCanvas& canvas,
                                           const TRect& rect, TRect& textRect);

// The same placement for a glyph of one cell, or of two (normal | disabled) when it is twice
// as wide as high; the cell is drawn with the colour of the glyph's bottom-left pixel replaced
// by the brush, the disabled one when not `enabled`.
VEXO_BUTTONS_EXPORT void DrawUsualGlyphWithText(const TBitmap* glyph, TButtonLayout layout,
                                                const QString& caption, TCanvas& canvas,
                                                const TRect& rect, TRect& textRect, bool enabled);

} // namespace vexo
