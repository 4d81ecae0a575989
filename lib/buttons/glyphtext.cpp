#include "buttons/glyphtext.h"

#include "graphics/rectgeometry.h"

#include "platform/image/canvas.h"
#include "platform/image/pixelformat.h"
#include "platform/image/ropengine.h"

namespace vexo {

TGlyphTextPlace PlaceGlyphWithText(const TRect& rect, bool hasGlyph, int glyphWidth,
                                   int glyphHeight, int textWidth, int textHeight,
                                   TButtonLayout layout) {
    const int W = glyphWidth, H = glyphHeight, TW = textWidth, TH = textHeight;
    TGlyphTextPlace at;
    if (!hasGlyph) {
        at.Text = Bounds(HorCenter(rect, TW), VertCenter(rect, TH), TW, TH);
        return at;
    }
    switch (layout) {
    case blGlyphLeft:
        at.Glyph = Bounds(HorCenter(rect, W + TW), VertCenter(rect, H), W, H);
        at.Text = Bounds(at.Glyph.Right + 1, VertCenter(rect, TH), TW, TH);
        break;
    case blGlyphRight:
        at.Text = Bounds(HorCenter(rect, W + TW), VertCenter(rect, TH), TW, TH);
        at.Glyph = Bounds(at.Text.Right + 1, VertCenter(rect, H), W, H);
        break;
    case blGlyphTop:
        at.Glyph = Bounds(HorCenter(rect, W), VertCenter(rect, H + TH), W, H);
        at.Text = Bounds(HorCenter(rect, TW), at.Glyph.Bottom + 1, TW, TH);
        break;
    case blGlyphBottom:
        at.Text = Bounds(HorCenter(rect, TW), VertCenter(rect, H + TH), TW, TH);
        at.Glyph = Bounds(HorCenter(rect, W), at.Text.Bottom + 1, W, H);
        break;
    }
    return at;
}

void DrawGlyphWithText(const TBitmap* glyph, TButtonLayout layout, const QString& caption,
                       TCanvas& canvas, const TRect& rect, TRect& textRect) {
    const int W = glyph ? glyph->Width() / 2 : 0, H = glyph ? glyph->Height() : 0;
    const TGlyphTextPlace at =
        PlaceGlyphWithText(rect, glyph != nullptr, W, H, canvas.TextWidth(caption),
                           canvas.TextHeight(QStringLiteral("W")), layout);
    textRect = at.Text;
    if (glyph == nullptr || W == 0 || H == 0)
        return;
    canvas.CopyMode = SRCAND;
    canvas.CopyRect(at.Glyph, *glyph, Rect(W, 0, 2 * W, H));
    canvas.CopyMode = SRCPAINT;
    canvas.CopyRect(at.Glyph, *glyph, Rect(0, 0, W, H));
}

void DrawUsualGlyphWithText(const TBitmap* glyph, TButtonLayout layout, const QString& caption,
                            TCanvas& canvas, const TRect& rect, TRect& textRect, bool enabled) {
    const bool twoCells = glyph && glyph->Width() == 2 * glyph->Height();
    const int W = glyph ? (twoCells ? glyph->Width() / 2 : glyph->Width()) : 0;
    const int H = glyph ? glyph->Height() : 0;
    const TGlyphTextPlace at =
        PlaceGlyphWithText(rect, glyph != nullptr, W, H, canvas.TextWidth(caption),
                           canvas.TextHeight(QStringLiteral("W")), layout);
    textRect = at.Text;
    if (glyph == nullptr || W == 0 || H == 0)
        return;
    const int cell = (!enabled && twoCells) ? 1 : 0;
    canvas.BrushCopy(at.Glyph, *glyph, Rect(cell * W, 0, (cell + 1) * W, H),
                     RgbToColor(glyph->PixelRgb(0, H - 1)));
}

} // namespace vexo
