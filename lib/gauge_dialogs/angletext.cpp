#include "gauge_dialogs/angletext.h"

namespace vexo {

void AngleTextInRect(TCanvas& canvas, const QString& text, const TRect& rect, int x, int y,
                     int angle) {
    // The turned font exists only for this output; the canvas font is not touched.
    canvas.TextRectRotated(rect, x, y, text, angle * 10);
}

} // namespace vexo
