#pragma once
// Where a glyph and a caption go inside a button's face: the arithmetic of
// TButtonGlyph::CalcButtonLayout apart from measuring the caption, so that the positions can
// be computed (and checked) as numbers.

#include "buttons/buttontypes.h"
#include "platform/runtime/types.h"

namespace vexo {

struct TGlyphTextLayout {
    TPoint GlyphPos;
    TRect TextBounds;
    friend bool operator==(const TGlyphTextLayout&, const TGlyphTextLayout&) = default;
};

// `glyphWidth` x `glyphHeight` is one glyph cell, `textBounds` the caption measured from
// (0, 0) (all zero for no caption). Margin -1 centres the pair (with Spacing -1 too: margins
// and spacing share the free room in three); Spacing -1 puts the caption in the middle of the
// room after the glyph. Divisions truncate toward zero, as the classic buttons did.
VEXO_BUTTONS_EXPORT TGlyphTextLayout CalcGlyphTextLayout(const TRect& client, int glyphWidth,
                                                         int glyphHeight, const TRect& textBounds,
                                                         TButtonLayout layout, int margin,
                                                         int spacing);

} // namespace vexo
