#include "graphics/frames3d.h"

namespace vexo {

void DCFrame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
    canvas.Frame3D(rect, topColor, bottomColor, width);
}

namespace {

void TwoPolylines(TCanvas& canvas, TColor color1, const QList<TPoint>& first, TColor color2,
                  const QList<TPoint>& second) {
    canvas.Pen.Color = color1;
    canvas.Polyline(first);
    canvas.Pen.Color = color2;
    canvas.Polyline(second);
}

} // namespace

void DoHorRect(TCanvas& canvas, bool flag, const TRect& r, TColor color1, TColor color2) {
    if (flag)
        TwoPolylines(canvas, color1, {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}},
                     color2, {{r.Right, r.Top}, {r.Right, r.Bottom}});
    else
        TwoPolylines(canvas, color1, {{r.Left, r.Bottom}, {r.Left, r.Top}}, color2,
                     {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}});
}

void DoVertRect(TCanvas& canvas, bool flag, const TRect& r, TColor color1, TColor color2) {
    if (flag)
        TwoPolylines(canvas, color1, {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}},
                     color2, {{r.Left - 1, r.Bottom}, {r.Right, r.Bottom}});
    else
        TwoPolylines(canvas, color1, {{r.Left, r.Top}, {r.Right, r.Top}}, color2,
                     {{r.Left - 1, r.Bottom}, {r.Right, r.Bottom}, {r.Right, r.Top}});
}

} // namespace vexo
