#include "platform/gui/customcontrol.h"

#include "platform/gui/controlpaint_p.h"

namespace vexo {

TCustomControl::TCustomControl(TComponent* owner) : TCustomControl(owner, nullptr) {}

TCustomControl::TCustomControl(TComponent* owner, QWidget* parent)
    : QWidget(VisualParent(owner, parent)),
      TWinControl(this, clWindow, QPalette::Window, QPalette::WindowText), TComponent(this, owner),
      buffer_(std::make_unique<TPaintBuffer>()) {
    SetTabStop(false);
}

TCustomControl::~TCustomControl() = default;

Qt::FocusPolicy TCustomControl::FocusPolicyFor(bool tabStop) const {
    return tabStop ? Qt::TabFocus : Qt::NoFocus;
}

TCanvas& TCustomControl::Canvas() {
    return buffer_->CanvasFor(this, Color());
}

void TCustomControl::Paint() {}

void TCustomControl::RunPaint() {
    buffer_->Run(this, ControlStyle().testFlag(csOpaque), TPaintBuffer::TBackground::Color, Color(),
                 [this] { Paint(); });
}

TBitmap TCustomControl::PaintToBitmap() {
    RunPaint();
    return buffer_->Bitmap();
}

void TCustomControl::paintEvent(QPaintEvent*) {
    RunPaint();
    buffer_->Show(this);
}

} // namespace vexo
