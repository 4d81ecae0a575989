#include "buttons/ellipseface.h"

#include <cmath>
#include <numbers>

#include "platform/image/canvas.h"

namespace vexo {

namespace {

double AngleOf(TPoint p, double cx, double cy) {
    return std::atan2(-(p.Y - cy), p.X - cx);
}

// The outline of the ellipse in `r` counter-clockwise (as seen on the screen) from the ray
// through `start` to the ray through `end`, in the pen colour.
void Arc(TCanvas& canvas, const TRect& r, TPoint start, TPoint end) {
    const double a = (r.Right - r.Left - 1) / 2.0, b = (r.Bottom - r.Top - 1) / 2.0;
    const double cx = r.Left + a, cy = r.Top + b;
    if (a <= 0 || b <= 0)
        return;
    double from = AngleOf(start, cx, cy), to = AngleOf(end, cx, cy);
    if (to <= from)
        to += 2 * std::numbers::pi;
    const double step = 0.5 / std::max(a, b);
    for (double t = from; t <= to; t += step)
        canvas.SetPixel(int(std::lround(cx + a * std::cos(t))),
                        int(std::lround(cy - b * std::sin(t))), canvas.Pen.Color);
}

} // namespace

void DrawEllipseFace(TCanvas& canvas, const TRect& client, TColor color, bool pressed) {
    const int L = client.Left + 1, T = client.Top + 1, Rt = client.Right - 1, B = client.Bottom - 1;
    // sin(45) with the argument in radians, as the classic face had it.
    const double k = std::sin(45.0);
    const int dx = int(k * (Rt - L) / 2), dy = int(k * (B - T) / 2);
    const TPoint start{L + (Rt - L) / 2 - dx + 1, T + (B - T) / 2 + dy + 1};
    const TPoint end{L + (Rt - L) / 2 + dx + 1, T + (B - T) / 2 - dy + 1};
    canvas.Pen.Width = 1;
    canvas.Pen.Mode = pmCopy;
    canvas.Brush.Color = color;
    canvas.Brush.Style = bsSolid;
    if (pressed) {
        canvas.Pen.Color = clBtnShadow;
        canvas.Ellipse(Rect(L, T, Rt, B));
        canvas.Pen.Color = clBtnHighlight;
        canvas.Ellipse(Rect(L + 1, T + 1, Rt, B));
        canvas.Pen.Color = clWindowFrame;
    } else {
        canvas.Pen.Color = clBtnShadow;
        canvas.Ellipse(Rect(L, T, Rt - 1, B - 1));
        canvas.Pen.Color = clWindowFrame;
        canvas.Ellipse(Rect(L + 2, T + 2, Rt, B));
        canvas.Pen.Color = clBtnHighlight;
    }
    canvas.Ellipse(Rect(L + 1, T + 1, Rt - 1, B - 1));
    canvas.Pen.Color = clBtnShadow;
    Arc(canvas, Rect(L + 1, T + 1, Rt - 1, B - 1), start, end);
}

bool EllipseHit(int width, int height, int x, int y) {
    const int rx = width / 2, ry = height / 2;
    if (rx == 0 || ry == 0)
        return false;
    const double ex = double(rx - x) / rx, ey = double(ry - y) / ry;
    return ex * ex + ey * ey <= 1.0;
}

} // namespace vexo
