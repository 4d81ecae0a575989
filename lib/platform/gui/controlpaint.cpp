#include "platform/gui/controlpaint_p.h"

#include <QImage>
#include <QPainter>
#include <cstring>
#include <new>

#include "platform/runtime/exception.h"

namespace vexo {

TCanvas& TPaintBuffer::Canvas() {
    canvas_.SetBitmap(&bitmap_);
    return canvas_;
}

void TPaintBuffer::Prepare(QWidget* widget, TBackground background, TColor color) {
    const int w = std::max(widget->width(), 1), h = std::max(widget->height(), 1);
    canvas_.SetBitmap(&bitmap_);
    try {
        if (bitmap_.Width() != w || bitmap_.Height() != h || bitmap_.BitCount() != 32)
            bitmap_.Allocate(w, h, 32);
    } catch (const EOutOfResources&) {
        // Larger than any bitmap may be: Paint draws on an empty surface, nothing shows.
        bitmap_ = TBitmap();
        return;
    } catch (const std::bad_alloc&) {
        bitmap_ = TBitmap();
        return;
    }
    if (background == TBackground::None)
        return;
    if (background == TBackground::Color || widget->parentWidget() == nullptr ||
        widget->isWindow()) {
        const TBrush saved = canvas_.Brush;
        canvas_.Brush.Color = color;
        canvas_.Brush.Style = bsSolid;
        canvas_.FillRect(canvas_.ClipRect());
        canvas_.Brush = saved;
        return;
    }
    // What lies under the control: its parent drawn without its children.
    QImage under(w, h, QImage::Format_RGB32);
    under.fill(widget->parentWidget()->palette().color(QPalette::Window));
    widget->parentWidget()->render(&under, QPoint(), QRegion(widget->geometry()),
                                   QWidget::DrawWindowBackground);
    for (int y = 0; y < h; ++y)
        std::memcpy(bitmap_.ScanLine(y), under.constScanLine(y), size_t(w) * 4);
}

TCanvas& TPaintBuffer::CanvasFor(QWidget* widget, TColor color) {
    if (bitmap_.Width() != widget->width() || bitmap_.Height() != widget->height())
        Prepare(widget, TBackground::None, color);
    return Canvas();
}

void TPaintBuffer::Show(QWidget* widget) const {
    if (bitmap_.Width() == 0)
        return;
    QPainter painter(widget);
    painter.drawImage(0, 0, BitmapToQImage(bitmap_));
}

} // namespace vexo
