#pragma once
// A window control that paints itself: Paint draws through Canvas on a surface filled with the
// control's Color first (unless the control style has csOpaque). It takes the focus only by
// Tab (when a tab stop) or from code; a class that should be focused by a click sets the
// focus in its MouseDown.

#include <QWidget>
#include <memory>

#include "platform/gui/wincontrol.h"
#include "platform/image/canvas.h"

namespace vexo {

class TPaintBuffer;

class VEXO_PLATFORM_GUI_EXPORT TCustomControl : public QWidget,
                                                public TWinControl,
                                                public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL

public:
    Q_INVOKABLE explicit TCustomControl(vexo::TComponent* owner = nullptr);
    TCustomControl(TComponent* owner, QWidget* parent);
    ~TCustomControl() override;

    // The surface Paint draws on: the control's area, from (0, 0). Drawing outside Paint
    // lasts until the next paint.
    TCanvas& Canvas();
    // Runs the paint cycle into a bitmap of the control's size and returns it.
    TBitmap PaintToBitmap();

protected:
    // The framework's Paint; the default draws nothing on the Color.
    virtual void Paint();
    void paintEvent(QPaintEvent* event) override;
    Qt::FocusPolicy FocusPolicyFor(bool tabStop) const override;

private:
    void RunPaint();

    std::unique_ptr<TPaintBuffer> buffer_;
};

} // namespace vexo
