// Three-dimensional frames, edges and the push-button frame, drawn with the canvas's own
// lines and fills in the 3-D system colours.

#include "platform/image/canvas.h"

namespace vexo {

namespace {

struct TEdgeColors {
    TColor TopLeft;
    TColor BottomRight;
};

// The colours of one BDR_ line; `soft` lightens the top-left of raised lines and darkens
// that of sunken ones.
TEdgeColors EdgeColors(unsigned line, bool soft) {
    switch (line) {
    case BDR_RAISEDOUTER:
        return {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
    case BDR_SUNKENOUTER:
        return {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
    case BDR_RAISEDINNER:
        return {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
    default: // BDR_SUNKENINNER
        return {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
    }
}

} // namespace

void TCanvas::Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int width) {
    const TPen saved = Pen;
    Pen.Width = 1;
    Pen.Mode = pmCopy;
    --rect.Bottom;
    --rect.Right;
    for (; width > 0; --width) {
        Pen.Color = topColor;
        Polyline({{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}});
        Pen.Color = bottomColor;
        Polyline({{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}});
        rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    }
    ++rect.Bottom;
    ++rect.Right;
    Pen = saved;
}

bool TCanvas::DrawEdge(TRect& rect, unsigned edge, unsigned flags) {
    // At most one outer and one inner line; a line asked both raised and sunken is none.
    QList<unsigned> lines;
    const unsigned outer = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
    const unsigned inner = edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
    if (outer == BDR_RAISEDOUTER || outer == BDR_SUNKENOUTER)
        lines.append(outer);
    if (inner == BDR_RAISEDINNER || inner == BDR_SUNKENINNER)
        lines.append(inner);
    if (lines.isEmpty())
        return false;
    const TBrush saved = Brush;
    TRect r = rect;
    for (unsigned line : lines) {
        const TEdgeColors colors = EdgeColors(line, flags & BF_SOFT);
        // Top and left first: the bottom-right colour takes the two corners they share.
        Brush.Color = colors.TopLeft;
        if (flags & BF_TOP)
            FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
        if (flags & BF_LEFT)
            FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom));
        Brush.Color = colors.BottomRight;
        if (flags & BF_BOTTOM)
            FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
        if (flags & BF_RIGHT)
            FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
        r = Rect(r.Left + ((flags & BF_LEFT) ? 1 : 0), r.Top + ((flags & BF_TOP) ? 1 : 0),
                 r.Right - ((flags & BF_RIGHT) ? 1 : 0), r.Bottom - ((flags & BF_BOTTOM) ? 1 : 0));
    }
    if (flags & BF_MIDDLE) {
        Brush.Color = clBtnFace;
        FillRect(r);
    }
    Brush = saved;
    if (flags & BF_ADJUST)
        rect = r;
    return true;
}

bool TCanvas::DrawFrameControl(TRect& rect, unsigned type, unsigned state) {
    if (type != DFC_BUTTON || (state & 0xFF) != DFCS_BUTTONPUSH)
        return false;
    TRect r = rect;
    if (state & DFCS_PUSHED) {
        // Pressed: a dark frame round a flat shadow line, as a pressed default button looks.
        const TBrush saved = Brush;
        Brush.Color = clWindowFrame;
        FrameRect(r);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        Brush.Color = clBtnShadow;
        FrameRect(r);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        Brush.Color = clBtnFace;
        FillRect(r);
        Brush = saved;
    } else {
        DrawEdge(r, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE | BF_ADJUST);
    }
    if (state & DFCS_ADJUSTRECT)
        rect = r;
    return true;
}

} // namespace vexo
