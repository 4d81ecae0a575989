#include "platform/gui/graphiccontrol.h"

#include "platform/gui/controlpaint_p.h"

namespace vexo {

TGraphicControl::TGraphicControl(TComponent* owner) : TGraphicControl(owner, nullptr) {}

TGraphicControl::TGraphicControl(TComponent* owner, QWidget* parent)
    : QWidget(VisualParent(owner, parent)),
      TControl(this, clWindow, QPalette::Window, QPalette::WindowText), TComponent(this, owner),
      buffer_(std::make_unique<TPaintBuffer>()) {
    setFocusPolicy(Qt::NoFocus);
}

TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas() {
    return buffer_->CanvasFor(this, Color());
}

void TGraphicControl::Paint() {}

void TGraphicControl::RunPaint() {
    buffer_->Run(this, ControlStyle().testFlag(csOpaque), TPaintBuffer::TBackground::ParentLook,
                 Color(), [this] { Paint(); });
}

TBitmap TGraphicControl::PaintToBitmap() {
    RunPaint();
    return buffer_->Bitmap();
}

void TGraphicControl::paintEvent(QPaintEvent*) {
    RunPaint();
    buffer_->Show(this);
}

} // namespace vexo
