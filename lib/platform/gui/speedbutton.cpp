#include "platform/gui/speedbutton.h"

namespace vexo {

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent) {
    // Speed buttons never take the focus.
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, [this] {
        if (OnClick)
            OnClick(this);
    });
}

void TSpeedButton::SetGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
}

} // namespace vexo
