#include "platform/gui/groupbox.h"

namespace vexo {

TGroupBox::TGroupBox(TComponent* owner) : TGroupBox(owner, nullptr) {}

TGroupBox::TGroupBox(TComponent* owner, QWidget* parent)
    : QGroupBox(VisualParent(owner, parent)),
      TWinControl(this, clBtnFace, QPalette::Window, QPalette::WindowText),
      TComponent(this, owner) {}

} // namespace vexo
