#include "platform/gui/label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPalette>

namespace vexo {

TLabel::TLabel(QWidget* parent) : QLabel(parent) {
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

void TLabel::SetFontColor(TColor color) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ToQColor(color));
    setPalette(pal);
}

void TLabel::SetFontStyle(TFontStyles style) {
    QFont f = font();
    f.setBold(style.testFlag(fsBold));
    f.setItalic(style.testFlag(fsItalic));
    f.setUnderline(style.testFlag(fsUnderline));
    f.setStrikeOut(style.testFlag(fsStrikeOut));
    setFont(f);
}

TFontStyles TLabel::FontStyle() const {
    TFont f;
    AssignQFont(f, font());
    return f.Style();
}

TCanvas& TLabel::Canvas() {
    AssignQFont(canvas_.Font, font());
    canvas_.Font.SetColor(FromQColor(palette().color(QPalette::WindowText)));
    return canvas_;
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick)
        OnClick(this);
    QLabel::mouseReleaseEvent(event);
}

void TLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
    QLabel::mouseDoubleClickEvent(event);
}

void TLabel::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove)
        OnMouseMove(this, event->modifiers(), event->position().toPoint().x(),
                    event->position().toPoint().y());
    // A label takes its mouse moves; they never reach the window underneath.
    event->accept();
}

void TLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AdjustBounds();
}

} // namespace vexo
