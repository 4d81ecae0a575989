#include "buttons/buttonface.h"

#include "buttons/buttonface_p.h"
#include "platform/image/canvas.h"

namespace vexo {

namespace {

void Line(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points) {
    canvas.Pen.Color = color;
    canvas.Pen.Width = 1;
    auto it = points.begin();
    canvas.MoveTo(it->X, it->Y);
    for (++it; it != points.end(); ++it)
        canvas.LineTo(it->X, it->Y);
}

} // namespace

TRect DrawFace(TCanvas& canvas, const TRect& client, TColor color, int bevelWidth,
               TButtonStyle style, bool isRounded, bool isDown, bool isFocused, bool noFill) {
    // The platform's controls are new-style, so bsAutoDetect draws the new look.
    TRect r = client;
    if (style != bsWin31) {
        if (!noFill) {
            canvas.Brush.Color = color;
            canvas.Brush.Style = bsSolid;
            canvas.FillRect(r);
        }
        if (isDown) {
            canvas.Frame3D(r, clWindowFrame, clBtnHighlight, 1);
            canvas.Frame3D(r, clBtnShadow, clBtnFace, 1);
        } else {
            canvas.Frame3D(r, clBtnHighlight, clWindowFrame, 1);
            canvas.Frame3D(r, clBtnFace, clBtnShadow, 1);
        }
        if (isFocused) {
            canvas.Brush.Style = bsClear;
            canvas.Rectangle(Shrunk(r, 1));
        }
    } else {
        canvas.Pen.Color = clWindowFrame;
        canvas.Pen.Width = 1;
        canvas.Brush.Color = color;
        canvas.Brush.Style = noFill ? bsClear : bsSolid;
        canvas.Rectangle(r);
        if (isRounded) {
            canvas.SetPixel(r.Left, r.Top, clBtnFace);
            canvas.SetPixel(r.Right - 1, r.Top, clBtnFace);
            canvas.SetPixel(r.Left, r.Bottom - 1, clBtnFace);
            canvas.SetPixel(r.Right - 1, r.Bottom - 1, clBtnFace);
        }
        if (isFocused) {
            r = Shrunk(r, 1);
            canvas.Brush.Style = bsClear;
            canvas.Rectangle(r);
        }
        r = Shrunk(r, 1);
        if (isDown)
            Line(canvas, clBtnShadow, {{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right, r.Top}});
        else
            canvas.Frame3D(r, clBtnHighlight, clBtnShadow, bevelWidth);
    }
    TRect result = Shrunk(client, bevelWidth);
    if (isDown)
        result = Moved(result, 1, 1);
    return result;
}

TRect DrawButtonFace(TCanvas& canvas, const TRect& client, TColor color, int bevelWidth,
                     TButtonStyle style, bool isRounded, bool isDown, bool isFocused) {
    return DrawFace(canvas, client, color, bevelWidth, style, isRounded, isDown, isFocused, false);
}

TRect NewDrawButtonFace(TCanvas& canvas, const TRect& client, TColor color, bool mouseOver,
                        bool isDown, bool isActive, bool isFocused, bool drawFocus) {
    TRect r = client;
    canvas.Brush.Color = color;
    canvas.Brush.Style = bsSolid;
    if ((isActive || isFocused) && drawFocus) {
        canvas.Pen.Color = clWindowText;
        canvas.Pen.Width = 1;
        canvas.Rectangle(r);
        r = Shrunk(r, 1);
    }
    canvas.FillRect(r);
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    if (mouseOver) {
        Line(canvas, clWindowText, {{R - 1, T}, {R - 1, B - 1}, {L - 1, B - 1}});
        Line(canvas, clBtnHighlight, {{L, B - 2}, {L, T}, {R - 1, T}});
        Line(canvas, clBtnShadow, {{R - 2, T + 1}, {R - 2, B - 2}, {L, B - 2}});
    } else {
        Line(canvas, clBtnHighlight, {{L, B - 2}, {L, T}, {R - 1, T}});
        canvas.Pen.Color = clBtnShadow;
        canvas.LineTo(R - 1, B - 1);
        canvas.LineTo(L - 1, B - 1);
    }
    if (isDown) {
        canvas.Brush.Color = color;
        canvas.FillRect(r);
        Line(canvas, clBtnShadow, {{L, B - 2}, {L, T}, {R - 1, T}});
        canvas.Pen.Color = clBtnHighlight;
        canvas.LineTo(R - 1, B - 1);
        canvas.LineTo(L - 1, B - 1);
    }
    if (isActive && isFocused && drawFocus) {
        r = Shrunk(r, 3);
        canvas.Pen.Color = clWindowFrame;
        canvas.Brush.Color = color;
        canvas.DrawFocusRect(r);
    }
    if (isDown)
        r = Moved(r, 1, 1);
    return r;
}

} // namespace vexo
