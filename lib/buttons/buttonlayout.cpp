#include "buttons/buttonlayout.h"

namespace vexo {

TGlyphTextLayout CalcGlyphTextLayout(const TRect& client, int glyphWidth, int glyphHeight,
                                     const TRect& textBounds, TButtonLayout layout, int margin,
                                     int spacing) {
    const TPoint c{client.Width(), client.Height()};
    const TPoint g{glyphWidth, glyphHeight};
    const TPoint t{textBounds.Width(), textBounds.Height()};
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    TPoint glyphPos, textPos;

    if (horizontal) {
        glyphPos.Y = c.Y / 2 - g.Y / 2;
        textPos.Y = c.Y / 2 - t.Y / 2;
    } else {
        glyphPos.X = c.X / 2 - g.X / 2;
        textPos.X = c.X / 2 - t.X / 2;
    }
    if (t.X == 0 || g.X == 0)
        spacing = 0;

    // The main axis: X for a glyph beside the caption, Y for one above or below it.
    const int cm = horizontal ? c.X : c.Y;
    const int gm = horizontal ? g.X : g.Y;
    const int tm = horizontal ? t.X : t.Y;
    if (margin == -1 && spacing == -1) {
        margin = (cm - (gm + tm)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = cm / 2 - (gm + spacing + tm) / 2;
    } else if (spacing == -1) {
        spacing = (cm - (margin + gm)) / 2 - tm / 2;
    }

    switch (layout) {
    case blGlyphLeft:
        glyphPos.X = margin;
        textPos.X = glyphPos.X + g.X + spacing;
        break;
    case blGlyphRight:
        glyphPos.X = c.X - margin - g.X;
        textPos.X = glyphPos.X - spacing - t.X;
        break;
    case blGlyphTop:
        glyphPos.Y = margin;
        textPos.Y = glyphPos.Y + g.Y + spacing;
        break;
    case blGlyphBottom:
        glyphPos.Y = c.Y - margin - g.Y;
        textPos.Y = glyphPos.Y - spacing - t.Y;
        break;
    }

    TGlyphTextLayout result;
    result.GlyphPos = {glyphPos.X + client.Left, glyphPos.Y + client.Top};
    const int dx = client.Left + textPos.X, dy = client.Top + textPos.Y;
    result.TextBounds = {textBounds.Left + dx, textBounds.Top + dy, textBounds.Right + dx,
                         textBounds.Bottom + dy};
    return result;
}

} // namespace vexo
