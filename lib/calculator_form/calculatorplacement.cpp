#include "calculator_form/calculatorplacement.h"

#include <QWidget>
#include <algorithm>

#include "platform/runtime/screen.h"

namespace vexo {

namespace {

// `pos` moved so that [pos, pos + length) lies in [low, high); the low edge wins.
int Clamp(int pos, int length, int low, int high) {
    return std::max(low, std::min(pos, high - length));
}

} // namespace

QPoint PopupPlacement(QPoint below, int aboveY, QSize size, const QRect& workArea) {
    if (workArea.isEmpty())
        return below;
    const int bottom = workArea.top() + workArea.height();
    int y = below.y();
    if (y + size.height() > bottom && aboveY - size.height() >= workArea.top())
        y = aboveY - size.height();
    const int right = workArea.left() + workArea.width();
    return {Clamp(below.x(), size.width(), workArea.left(), right),
            Clamp(y, size.height(), workArea.top(), bottom)};
}

QPoint PopupPlacementUnder(const QWidget& control, QSize size) {
    const QPoint topLeft = control.mapToGlobal(QPoint(0, 0));
    const QPoint below = topLeft + QPoint(0, control.height() + 1);
    return PopupPlacement(below, topLeft.y() - 1, size, Screen().WorkAreaRectAt(below));
}

QPoint PopupPlacementAt(QPoint point, QSize size) {
    return PopupPlacement(point, point.y(), size, Screen().WorkAreaRectAt(point));
}

} // namespace vexo
