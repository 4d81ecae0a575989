#pragma once
// A button's content taken from an image list instead of its own glyph.

#include <QString>

#include "buttons/buttontypes.h"
#include "platform/runtime/types.h"

namespace vexo {

class TCanvas;
class TImageList;

// Lays the image at `index` (of the list's cell size) and the caption out in `client` as a
// glyph would be, draws the image (enabled: as it is; disabled: in the list's disabled look,
// the next image when the button has a disabled cell of its own, numGlyphs >= 2) and the
// caption in `state`. Returns the caption's bounds.
TRect DrawImageListGlyph(TCanvas& canvas, const TImageList& images, int index, int numGlyphs,
                         bool enabled, const TRect& client, const QString& caption,
                         TButtonLayout layout, int margin, int spacing, TButtonState state);

} // namespace vexo
