#include "platform/gui/speedbutton.h"

#include "platform/gui/application.h"

namespace vexo {

TSpeedButton::TSpeedButton(TComponent* owner) : TSpeedButton(owner, nullptr) {}

TSpeedButton::TSpeedButton(TComponent* owner, QWidget* parent)
    : QToolButton(VisualParent(owner, parent)),
      TControl(this, clBtnFace, QPalette::Button, QPalette::ButtonText), TComponent(this, owner) {
    // Speed buttons never take the focus.
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, [this] {
        if (OnClick)
            RunEventHandler([this] { OnClick(this); });
    });
}

void TSpeedButton::SetGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
}

void TSpeedButton::changeEvent(QEvent* event) {
    ControlChanged(event);
    QToolButton::changeEvent(event);
}

} // namespace vexo
