#pragma once
// A control without a window of its own in the framework's sense: it never takes the focus
// and paints on its parent's area. Paint draws through Canvas on a surface that already holds
// the parent's look under the control (unless the control style has csOpaque, for controls
// that paint every pixel), so a control may draw only part of its area, or combine its
// drawing with what lies beneath by the canvas's raster operations.

#include <QWidget>
#include <memory>

#include "platform/gui/control.h"
#include "platform/image/canvas.h"

namespace vexo {

class TPaintBuffer;

class VEXO_PLATFORM_GUI_EXPORT TGraphicControl : public QWidget,
                                                 public TControl,
                                                 public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL

public:
    Q_INVOKABLE explicit TGraphicControl(vexo::TComponent* owner = nullptr);
    TGraphicControl(TComponent* owner, QWidget* parent);
    ~TGraphicControl() override;

    // The surface Paint draws on: the control's area, from (0, 0). Drawing outside Paint
    // lasts until the next paint.
    TCanvas& Canvas();
    // Runs the paint cycle into a bitmap of the control's size and returns it: what the
    // control shows (tests and pictures of controls use it).
    TBitmap PaintToBitmap();

protected:
    // The framework's Paint; the default draws nothing.
    virtual void Paint();
    void paintEvent(QPaintEvent* event) override;

private:
    void RunPaint();

    std::unique_ptr<TPaintBuffer> buffer_;
};

} // namespace vexo
