#pragma once
// A text label: caption, colour, font, horizontal alignment, vertical layout, auto-size, a
// canvas for text measuring in its font, and click and mouse-move events.

#include <QLabel>

#include "platform/gui/control.h"
#include "platform/image/canvas.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TLabel : public QLabel, public TControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE

public:
    // Colour clBtnFace, shown on the parent's background until Color is set.
    Q_INVOKABLE explicit TLabel(vexo::TComponent* owner = nullptr);
    TLabel(TComponent* owner, QWidget* parent);

    QString Caption() const { return text(); }
    // With AutoSize the width follows the text: a right-aligned label keeps its right edge,
    // a centred one its centre, a left-aligned one its left edge.
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    void SetLayout(TTextLayout layout);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // A canvas in the label's font (for measuring text as the label shows it).
    TCanvas& Canvas();
    Q_INVOKABLE bool ClickAssigned() const { return bool(OnClick); }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseMoveEvent OnMouseMove;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyAlignment();
    void AdjustBounds();

    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = false;
    TCanvas canvas_;
};

} // namespace vexo
