#include "buttons/embossedglyph.h"

#include <algorithm>

#include "platform/image/canvas.h"
#include "platform/image/pixelformat.h"
#include "platform/image/ropengine.h"

namespace vexo {

namespace {

// A palette-relative or plain colour as RGB; system colours resolved.
TColor PlainRgb(TColor color) {
    return (color & clSystemColor) ? ColorToRGB(color) : (color & 0xFFFFFF);
}

bool IsDrawing(TColor rgb) {
    const int luma = (299 * GetRValue(rgb) + 587 * GetGValue(rgb) + 114 * GetBValue(rgb)) / 1000;
    return luma < 192;
}

// Draws the 1-bit mask with its drawing in `drawing` and its background in `background`: the
// colours a monochrome source takes from the brush and the font of the canvas it is drawn on.
void DrawMask(TCanvas& canvas, TBitmap& mask, int x, int y, std::uint32_t rop, TColor drawing,
              TColor background) {
    mask.SetPalette({ColorToRgb(ColorToRGB(drawing)), ColorToRgb(ColorToRGB(background))});
    canvas.CopyMode = rop;
    canvas.Draw(x, y, mask);
}

} // namespace

TBitmap GlyphDrawingMask(const TBitmap& glyph, int cellWidth, TColor maskColor) {
    const int w = std::clamp(cellWidth, 0, glyph.Width()), h = glyph.Height();
    TBitmap mask(w, h, 1);
    mask.SetPalette({0x000000, 0xFFFFFF});
    const TColor key = PlainRgb(maskColor);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor rgb = RgbToColor(glyph.PixelRgb(x, y));
            mask.SetPixelValue(x, y, (rgb != key && IsDrawing(rgb)) ? 0 : 1);
        }
    return mask;
}

TBitmap CreateEmbossedGlyph(const TBitmap& glyph, int cellWidth, TColor maskColor,
                            TColor faceColor) {
    TBitmap mask = GlyphDrawingMask(glyph, cellWidth, maskColor);
    TBitmap image(mask.Width(), mask.Height(), 24);
    if (mask.Width() == 0 || mask.Height() == 0)
        return image;
    TCanvas canvas(&image);
    canvas.Brush.Color = faceColor;
    canvas.FillRect(canvas.ClipRect());
    // The highlight: the drawing white, one pixel down and right...
    DrawMask(canvas, mask, 1, 1, MERGEPAINT, clBlack, clWhite);
    // ...cut back to black where the drawing itself goes...
    DrawMask(canvas, mask, 0, 0, SRCAND, clBlack, clWhite);
    // ...which then takes the shadow colour.
    DrawMask(canvas, mask, 0, 0, SRCPAINT, clBtnShadow, clBlack);
    canvas.CopyMode = SRCCOPY;
    return image;
}

} // namespace vexo
