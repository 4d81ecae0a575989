#include "platform/gui/edit.h"

namespace vexo {

TEdit::TEdit(TComponent* owner) : TEdit(owner, nullptr) {}

TEdit::TEdit(TComponent* owner, QWidget* parent)
    : QLineEdit(VisualParent(owner, parent)), TComponent(this, owner),
      TControl(this, clWindow, QPalette::Base, QPalette::Text) {}

void TEdit::changeEvent(QEvent* event) {
    ControlChanged(event);
    QLineEdit::changeEvent(event);
}

} // namespace vexo
