#include "platform/gui/label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPalette>

#include "platform/gui/application.h"

namespace vexo {

TLabel::TLabel(TComponent* owner) : TLabel(owner, nullptr) {}

TLabel::TLabel(TComponent* owner, QWidget* parent)
    : QLabel(VisualParent(owner, parent)),
      TControl(this, clBtnFace, QPalette::Window, QPalette::WindowText), TComponent(this, owner) {
    setMargin(0);
    setIndent(0);
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    ApplyAlignment();
}

void TLabel::SetCaption(const QString& caption) {
    if (caption == text())
        return;
    setText(caption);
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    ApplyAlignment();
}

void TLabel::SetLayout(TTextLayout layout) {
    layout_ = layout;
    ApplyAlignment();
}

void TLabel::ApplyAlignment() {
    Qt::Alignment a = alignment_ == taRightJustify ? Qt::AlignRight
                      : alignment_ == taCenter     ? Qt::AlignHCenter
                                                   : Qt::AlignLeft;
    a |= layout_ == tlCenter   ? Qt::AlignVCenter
         : layout_ == tlBottom ? Qt::AlignBottom
                               : Qt::AlignTop;
    setAlignment(a);
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::AdjustBounds() {
    if (!autoSize_)
        return;
    // One pixel of slack on each side for glyphs that reach past their advance.
    const int w = QFontMetrics(font()).horizontalAdvance(text()) + 2;
    const QRect g = geometry();
    int left = g.left();
    if (alignment_ == taRightJustify)
        left = g.left() + g.width() - w;
    else if (alignment_ == taCenter)
        left = g.left() + (g.width() - w) / 2;
    setGeometry(left, g.top(), w, g.height());
}

TCanvas& TLabel::Canvas() {
    canvas_.Font.Assign(*Font());
    return canvas_;
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick)
        RunEventHandler([this] { OnClick(this); });
    QLabel::mouseReleaseEvent(event);
}

void TLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnDblClick)
        RunEventHandler([this] { OnDblClick(this); });
    QLabel::mouseDoubleClickEvent(event);
}

void TLabel::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove) {
        const QPoint at = event->position().toPoint();
        RunEventHandler([&] { OnMouseMove(this, event->modifiers(), at.x(), at.y()); });
    }
    // A label takes its mouse moves; they never reach the window underneath.
    event->accept();
}

void TLabel::changeEvent(QEvent* event) {
    ControlChanged(event);
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AdjustBounds();
}

} // namespace vexo
