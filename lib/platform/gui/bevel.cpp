#include "platform/gui/bevel.h"

#include <QPainter>

#include "platform/image/canvas.h"

namespace vexo {

TBevel::TBevel(TComponent* owner) : TBevel(owner, nullptr) {}

TBevel::TBevel(TComponent* owner, QWidget* parent)
    : QWidget(VisualParent(owner, parent)),
      TControl(this, clBtnFace, QPalette::Window, QPalette::WindowText), TComponent(this, owner) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::SetShape(TBevelShape shape) {
    if (shape == shape_)
        return;
    shape_ = shape;
    update();
}

void TBevel::SetStyle(TBevelStyle style) {
    if (style == style_)
        return;
    style_ = style;
    update();
}

void TBevel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor light = ToQColor(clBtnHighlight), dark = ToQColor(clBtnShadow);
    const QColor first = style_ == bsRaised ? light : dark;
    const QColor second = style_ == bsRaised ? dark : light;
    const int w = width(), h = height();
    auto topLeft = [&](int l, int t, int r, int b, const QColor& c) {
        p.setPen(c);
        p.drawLine(l, t, r - 1, t);
        p.drawLine(l, t, l, b - 1);
    };
    auto bottomRight = [&](int l, int t, int r, int b, const QColor& c) {
        p.setPen(c);
        p.drawLine(l, b - 1, r - 1, b - 1);
        p.drawLine(r - 1, t, r - 1, b - 1);
    };
    switch (shape_) {
    case bsBox:
        topLeft(0, 0, w, h, first);
        bottomRight(0, 0, w, h, second);
        break;
    case bsFrame:
        // Two nested outlines: an etched (lowered) or embossed (raised) frame.
        topLeft(0, 0, w - 1, h - 1, first);
        bottomRight(0, 0, w - 1, h - 1, second);
        topLeft(1, 1, w, h, second);
        bottomRight(1, 1, w, h, first);
        break;
    case bsTopLine:
        p.setPen(first);
        p.drawLine(0, 0, w - 1, 0);
        p.setPen(second);
        p.drawLine(0, 1, w - 1, 1);
        break;
    case bsBottomLine:
        p.setPen(first);
        p.drawLine(0, h - 2, w - 1, h - 2);
        p.setPen(second);
        p.drawLine(0, h - 1, w - 1, h - 1);
        break;
    case bsLeftLine:
        p.setPen(first);
        p.drawLine(0, 0, 0, h - 1);
        p.setPen(second);
        p.drawLine(1, 0, 1, h - 1);
        break;
    case bsRightLine:
        p.setPen(first);
        p.drawLine(w - 2, 0, w - 2, h - 1);
        p.setPen(second);
        p.drawLine(w - 1, 0, w - 1, h - 1);
        break;
    }
}

} // namespace vexo
