#include "gauge_dialogs/gaugegeometry.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace vexo {

namespace {

// Round half to even, as the classic Round does.
int RoundEven(double v) {
    return int(std::nearbyint(v));
}

// Pies need odd sizes to have a centre pixel.
void OddSize(const TRect& r, int& w, int& h) {
    w = r.Width();
    h = r.Height();
    if (w % 2 == 0)
        w -= 2;
    if (h % 2 == 0)
        h -= 2;
}

} // namespace

int GaugePercent(int minValue, int maxValue, int progress) {
    const std::int64_t range = std::int64_t(maxValue) - minValue;
    if (range == 0)
        return 0;
    const std::int64_t scaled = (std::int64_t(progress) - minValue) * 100;
    const double p = std::trunc(double(scaled) / double(range));
    if (p > 100)
        return 100;
    if (p < 0)
        return 0;
    return int(p);
}

QString GaugeText(TvexoGauge::TGaugeKind kind, const QString& caption, int percent,
                  bool showPercentSymbol) {
    if (kind == TvexoGauge::gkModernPie)
        return QStringLiteral("%1%").arg(percent);
    if (showPercentSymbol)
        return QStringLiteral("%1 %2%").arg(caption).arg(percent);
    return caption;
}

int BevelWidth(TvexoGauge::TBevelShape shape) {
    switch (shape) {
    case TvexoGauge::bshNone:
        return 0;
    case TvexoGauge::bshFrame:
        return 2;
    default:
        return 1;
    }
}

TRect GaugeProgressArea(const TRect& client, TvexoGauge::TBevelShape bevel, int margin,
                        TvexoGauge::TBevelShape progressBevel) {
    const int inset = BevelWidth(bevel) + margin + BevelWidth(progressBevel);
    return Rect(client.Left + inset, client.Top + inset, client.Right - inset,
                client.Bottom - inset);
}

TRect HorizontalBarFill(const TRect& area, int percent) {
    const int length = int(std::trunc(area.Width() * (percent * 0.01)));
    return Rect(area.Left, area.Top, area.Left + length, area.Bottom);
}

TRect VerticalBarFill(const TRect& area, int percent) {
    const int length = int(std::trunc(area.Height() * (percent * 0.01)));
    return Rect(area.Left, area.Bottom - length, area.Right, area.Bottom);
}

TGaugePie GaugePieGeometry(const TRect& area, int percent, bool modern) {
    int w, h;
    OddSize(area, w, h);
    TGaugePie pie;
    pie.Box =
        modern ? Rect(area.Left + w / 4, area.Top + h / 4, area.Right - w / 4, area.Bottom - h / 4)
               : area;
    const int mx = area.Left + w / 2;
    const int my = area.Bottom - h / 2;
    const double a = (percent / 50.0 + 0.5) * std::numbers::pi;
    pie.Start = TPoint{RoundEven((1 - std::cos(a)) * mx), RoundEven((1 - std::sin(a)) * my)};
    pie.End = TPoint{mx, area.Top};
    pie.Center = TPoint{mx, my};
    return pie;
}

TGaugeNeedle GaugeNeedleGeometry(const TRect& area, int percent) {
    int w, h;
    OddSize(area, w, h);
    TGaugeNeedle n;
    n.Dial = Rect(area.Left, area.Top, area.Right, area.Top + 2 * h);
    n.DialStart = TPoint{area.Right, area.Bottom - 1};
    n.DialEnd = TPoint{area.Left, area.Bottom - 1};
    const int mx = w / 2;
    const double a = percent / 100.0 * std::numbers::pi;
    n.From = TPoint{area.Left + mx, area.Bottom - 1};
    n.To = TPoint{area.Left + RoundEven((1 - std::cos(a)) * mx),
                  RoundEven((1 - std::sin(a)) * h + (area.Top - 1))};
    return n;
}

int ModernPieCaptionAngle(int percent) {
    return RoundEven((100 - percent) * 3.6) + 90;
}

} // namespace vexo
