#include "platform/gui/button.h"

#include "platform/gui/form.h"

namespace vexo {

TButton::TButton(TComponent* owner) : TButton(owner, nullptr) {}

TButton::TButton(TComponent* owner, QWidget* parent)
    : QPushButton(VisualParent(owner, parent)),
      TWinControl(this, clBtnFace, QPalette::Button, QPalette::ButtonText),
      TComponent(this, owner) {
    setAutoDefault(false);
    // Clicks come from the platform's button, also by the keyboard.
    SetControlStyle(ControlStyle() & ~TControlStyle(csClickEvents));
    SetTabStop(true);
    connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

void TButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    setDefault(isDefault);
}

void TButton::Click() {
    if (TForm* form = ParentForm())
        form->SetModalResult(modalResult_);
    TWinControl::Click();
}

bool TButton::DialogKey(int key, TShiftState shift) {
    if (shift & (TShiftState(ssShift) | ssCtrl | ssAlt))
        return false;
    bool active = default_;
    // The focused button is the one Enter presses; while another control has the focus,
    // the default button is.
    for (QWidget* w = window()->focusWidget(); w != nullptr; w = w->parentWidget())
        if (TWinControl::FromWidget(w) != nullptr) {
            if (auto* focused = dynamic_cast<TButton*>(w))
                active = focused == this;
            break;
        }
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!((enter && active) || (key == Qt::Key_Escape && cancel_)) || !CanFocus())
        return false;
    Click();
    return true;
}

} // namespace vexo
