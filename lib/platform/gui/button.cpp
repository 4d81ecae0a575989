#include "platform/gui/button.h"

#include "platform/gui/application.h"

namespace vexo {

TButton::TButton(TComponent* owner) : TButton(owner, nullptr) {}

TButton::TButton(TComponent* owner, QWidget* parent)
    : QPushButton(VisualParent(owner, parent)),
      TControl(this, clBtnFace, QPalette::Button, QPalette::ButtonText), TComponent(this, owner) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (OnClick)
            RunEventHandler([this] { OnClick(this); });
    });
}

void TButton::changeEvent(QEvent* event) {
    ControlChanged(event);
    QPushButton::changeEvent(event);
}

} // namespace vexo
