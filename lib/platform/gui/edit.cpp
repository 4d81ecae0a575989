#include "platform/gui/edit.h"

namespace vexo {

TEdit::TEdit(TComponent* owner) : TEdit(owner, nullptr) {}

TEdit::TEdit(TComponent* owner, QWidget* parent)
    : QLineEdit(VisualParent(owner, parent)),
      TControl(this, clWindow, QPalette::Base, QPalette::Text), TComponent(this, owner) {}

void TEdit::changeEvent(QEvent* event) {
    ControlChanged(event);
    QLineEdit::changeEvent(event);
}

} // namespace vexo
