#include "edits/draw3dtext.h"

#include "graphics/drawtext.h"

namespace vexo {

TPoint LightOffset(TLightPos light, int d) {
    switch (light) {
    case lpLeft:
        return {-d, 0};
    case lpRight:
        return {d, 0};
    case lpTop:
        return {0, -d};
    case lpBottom:
        return {0, d};
    case lpLeftTop:
        return {-d, -d};
    case lpLeftBottom:
        return {-d, d};
    case lpRightTop:
        return {d, -d};
    case lpRightBottom:
        return {d, d};
    }
    return {0, 0};
}

namespace {

TRect Moved(const TRect& r, int dx, int dy) {
    return Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

} // namespace

void Draw3DText(const QString& text, TRect& rect, TCanvas& canvas, TLightPos light,
                TColor frontColor, TColor lightColor, TColor shadowColor, int depth,
                TAlignment alignment, TTextLayout layout, bool wordWrap, bool noPrefix,
                bool calcOnly) {
    depth = qMax(0, depth);
    rect = Rect(rect.Left + depth + 2, rect.Top + depth + 1, rect.Right - depth - 2,
                rect.Bottom - depth - 1);
    const TRect base = rect;
    unsigned flags = TextInRectFlags[alignment] | DT_EXPANDTABS;
    if (wordWrap)
        flags |= DT_WORDBREAK;
    if (noPrefix)
        flags |= DT_NOPREFIX;
    if (calcOnly)
        flags |= DT_CALCRECT;

    const bool embossed = depth > 1;
    const TPoint toLight = LightOffset(light, depth);
    TRect highlight = Moved(base, toLight.X, toLight.Y);
    TRect shadow = Moved(base, -toLight.X, -toLight.Y);

    if (layout != tlTop) {
        // The free height is the base's height less the text's: centring compares heights,
        // so the text sits in the middle wherever the rectangle starts.
        TRect measured = rect;
        canvas.DrawText(text, measured, (flags | DT_CALCRECT));
        const int free = base.Height() - measured.Height();
        const int shift = layout == tlBottom ? free : free / 2;
        rect = Moved(rect, 0, shift);
        if (embossed) {
            highlight = Moved(highlight, 0, shift);
            shadow = Moved(shadow, 0, shift);
        }
    }
    if (embossed) {
        canvas.Font.SetColor(ColorToRGB(lightColor));
        canvas.DrawText(text, highlight, flags);
        canvas.Font.SetColor(ColorToRGB(shadowColor));
        canvas.DrawText(text, shadow, flags);
    }
    canvas.Font.SetColor(frontColor);
    canvas.DrawText(text, rect, flags);
}

} // namespace vexo
