#include "platform/gui/edit.h"

#include "platform/gui/application.h"

namespace vexo {

TEdit::TEdit(TComponent* owner) : TEdit(owner, nullptr) {}

TEdit::TEdit(TComponent* owner, QWidget* parent)
    : QLineEdit(VisualParent(owner, parent)),
      TWinControl(this, clWindow, QPalette::Base, QPalette::Text, false), TComponent(this, owner) {
    SetTabStop(true);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            RunEventHandler([this] { OnChange(this); });
    });
}

} // namespace vexo
