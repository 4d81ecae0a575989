#include "platform/gui/groupbox.h"

namespace vexo {

TGroupBox::TGroupBox(TComponent* owner) : TGroupBox(owner, nullptr) {}

TGroupBox::TGroupBox(TComponent* owner, QWidget* parent)
    : QGroupBox(VisualParent(owner, parent)), TComponent(this, owner),
      TControl(this, clBtnFace, QPalette::Window, QPalette::WindowText) {}

void TGroupBox::changeEvent(QEvent* event) {
    ControlChanged(event);
    QGroupBox::changeEvent(event);
}

} // namespace vexo
