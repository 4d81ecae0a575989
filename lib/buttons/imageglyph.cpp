#include "buttons/imageglyph.h"

#include "buttons/buttonglyph.h"
#include "platform/gui/imagelist.h"
#include "platform/image/canvas.h"
#include "platform/image/pixelformat.h"

namespace vexo {

TRect DrawImageListGlyph(TCanvas& canvas, const TImageList& images, int index, int numGlyphs,
                         bool enabled, const TRect& client, const QString& caption,
                         TButtonLayout layout, int margin, int spacing, TButtonState state) {
    // A glyph of the image's size lays out; its face colour is the image's bottom-left pixel.
    TButtonGlyph glyph;
    TBitmap image;
    images.GetBitmap(index, image);
    glyph.SetGlyph(&image);
    if (!image.Empty())
        glyph.SetFaceColor(RgbToColor(image.PixelRgb(0, image.Height() - 1)));
    TPoint at;
    TRect text;
    glyph.CalcButtonLayout(canvas, client, caption, layout, margin, spacing, at, text);
    if (enabled)
        images.Draw(canvas, at.X, at.Y, index, true);
    else
        images.Draw(canvas, at.X, at.Y, numGlyphs < 2 ? index : index + 1, false);
    glyph.DrawButtonText(canvas, caption, text, state);
    return text;
}

} // namespace vexo
