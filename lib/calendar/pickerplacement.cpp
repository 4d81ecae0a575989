#include "calendar/pickerplacement.h"

#include <algorithm>

#include "platform/gui/form.h"
#include "platform/runtime/screen.h"

namespace vexo {

QPoint PickerPosition(QPoint wanted, QSize size, const QRect& work) {
    int x = wanted.x();
    int y = wanted.y();
    const int right = work.left() + work.width();
    const int bottom = work.top() + work.height();
    if (x + size.width() > right)
        x = right - size.width() - 1;
    if (y + size.height() > bottom)
        y = bottom - size.height() - 1;
    // A control partly off the left or top edge must not take the dialog off screen.
    return {std::max(x, work.left()), std::max(y, work.top())};
}

void PlaceUnderControl(TForm& dialog, const QWidget* control) {
    const QSize size(dialog.Width(), dialog.Height());
    const QRect work = Screen().WorkAreaRect();
    if (work.isEmpty())
        return;
    QPoint at;
    if (control != nullptr && control->parentWidget() != nullptr) {
        const QPoint wanted = control->parentWidget()->mapToGlobal(
            QPoint(control->x(), control->y() + control->height() + 1));
        at = PickerPosition(wanted, size, Screen().WorkAreaRectAt(wanted));
    } else {
        at = QPoint(work.left() + (work.width() - size.width()) / 2,
                    work.top() + (work.height() - size.height()) / 2);
    }
    dialog.SetLeft(at.x());
    dialog.SetTop(at.y());
}

} // namespace vexo
