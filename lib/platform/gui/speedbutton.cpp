#include "platform/gui/speedbutton.h"

#include "platform/gui/application.h"

namespace vexo {

TSpeedButton::TSpeedButton(TComponent* owner) : TSpeedButton(owner, nullptr) {}

TSpeedButton::TSpeedButton(TComponent* owner, QWidget* parent)
    : QToolButton(VisualParent(owner, parent)),
      TControl(this, clBtnFace, QPalette::Button, QPalette::ButtonText), TComponent(this, owner) {
    // Speed buttons never take the focus.
    setFocusPolicy(Qt::NoFocus);
    // Clicks come from the platform's button.
    SetControlStyle(ControlStyle() & ~TControlStyle(csClickEvents));
    connect(this, &QToolButton::clicked, this, [this] { Click(); });
}

void TSpeedButton::SetGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
}

} // namespace vexo
