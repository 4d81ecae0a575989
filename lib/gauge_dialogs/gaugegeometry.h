#pragma once
// What the gauge draws, apart from drawing it: its percentage, its text and the geometry of
// bevels, bars, pies and the needle, as plain functions of the gauge's values.

#include <QString>

#include "gauge_dialogs/vexogauge.h"
#include "platform/runtime/types.h"

namespace vexo {

// 0 for an empty range; otherwise (progress - min) * 100 / range truncated toward zero and
// clamped to 0..100. The product is formed in 64 bits, so wide ranges do not wrap.
VEXO_GAUGE_DIALOGS_EXPORT int GaugePercent(int minValue, int maxValue, int progress);

// The centred text: "n%" for the modern pie, "caption n%" with the percent symbol, else the
// caption alone.
VEXO_GAUGE_DIALOGS_EXPORT QString GaugeText(TvexoGauge::TGaugeKind kind, const QString& caption,
                                            int percent, bool showPercentSymbol);

// How many pixels a bevel takes from each side of its rectangle.
VEXO_GAUGE_DIALOGS_EXPORT int BevelWidth(TvexoGauge::TBevelShape shape);

// The progress area inside the client rectangle: outer bevel, margin, progress bevel.
VEXO_GAUGE_DIALOGS_EXPORT TRect GaugeProgressArea(const TRect& client,
                                                  TvexoGauge::TBevelShape bevel, int margin,
                                                  TvexoGauge::TBevelShape progressBevel);

// The filled part of a bar: from the left edge, or from the bottom edge upward.
VEXO_GAUGE_DIALOGS_EXPORT TRect HorizontalBarFill(const TRect& area, int percent);
VEXO_GAUGE_DIALOGS_EXPORT TRect VerticalBarFill(const TRect& area, int percent);

// The pie and modern pie: the disc's box, the wedge's radial points and the centre used by
// the modern pie's radius line. The wedge starts at twelve o'clock.
struct TGaugePie {
    TRect Box;
    TPoint Start;
    TPoint End;
    TPoint Center;
};
VEXO_GAUGE_DIALOGS_EXPORT TGaugePie GaugePieGeometry(const TRect& area, int percent, bool modern);

// The needle: the dial (upper half of an ellipse twice the area's height) and the needle's
// two ends.
struct TGaugeNeedle {
    TRect Dial;
    TPoint DialStart;
    TPoint DialEnd;
    TPoint From;
    TPoint To;
};
VEXO_GAUGE_DIALOGS_EXPORT TGaugeNeedle GaugeNeedleGeometry(const TRect& area, int percent);

// The angle in degrees at which the modern pie writes its caption.
VEXO_GAUGE_DIALOGS_EXPORT int ModernPieCaptionAngle(int percent);

} // namespace vexo
