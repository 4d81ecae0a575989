#include "edits/flatborder.h"

#include "graphics/drawtext.h"

namespace vexo {

void DrawFlatBorder(TCanvas& canvas, TRect rect, bool hot, TColor frameColor) {
    const TBrush saved = canvas.Brush;
    canvas.DrawEdge(rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = hot ? clBlack : clBtnFace;
    canvas.FillRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1));
    canvas.FillRect(Rect(rect.Left, rect.Top, rect.Right - 1, rect.Top + 1));
    canvas.DrawEdge(rect, BDR_SUNKENINNER, BF_RIGHT | BF_BOTTOM);
    canvas.Brush.Color = frameColor;
    canvas.FrameRect(Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1));
    canvas.Brush = saved;
}

void PaintEdit(TCanvas& canvas, TAlignment alignment, TColor color, const TFont& font,
               const TRect& rect, const QString& text, bool enabled) {
    canvas.Font.Assign(font);
    if (!enabled && ColorToRGB(color) != ColorToRGB(clGrayText))
        canvas.Font.SetColor(clGrayText);
    TRect r = rect;
    r.Right -= 2;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = color;
    // An edit's text is shown as typed: "&" is no accelerator prefix here.
    canvas.DrawText(text, r, TextInRectFlags[alignment] | DT_NOPREFIX);
}

} // namespace vexo
