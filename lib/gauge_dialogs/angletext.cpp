#include "gauge_dialogs/angletext.h"

namespace vexo {

void AngleTextInRect(TCanvas& canvas, const QString& text, const TRect& rect, int x, int y,
                     int angle) {
    const TFont saved = canvas.Font;
    canvas.Font.Orientation = angle * 10;
    canvas.TextRect(rect, x, y, text);
    canvas.Font = saved;
}

} // namespace vexo
