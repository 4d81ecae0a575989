#include "platform/gui/label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPalette>

namespace vexo {

TLabel::TLabel(TComponent* owner) : TLabel(owner, nullptr) {}

TLabel::TLabel(TComponent* owner, QWidget* parent)
    : QLabel(VisualParent(owner, parent)),
      TControl(this, clBtnFace, QPalette::Window, QPalette::WindowText), TComponent(this, owner) {
    setMargin(0);
    setIndent(0);
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

void TLabel::FontChanged() {
    AdjustBounds();
}

} // namespace vexo
