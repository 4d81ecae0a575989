#pragma once
// A text label: caption, colour, font, horizontal alignment, vertical layout, auto-size, and a
// canvas for text measuring in its font.

#include <QLabel>

#include "platform/gui/control.h"
#include "platform/image/canvas.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TLabel : public QLabel, public TControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_COMMON
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK
    VEXO_PUBLISH_ONMOUSEENTER
    VEXO_PUBLISH_ONMOUSELEAVE

public:
    // The parent's colour, shown on the parent's background until Color is set.
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

protected:
    void FontChanged() override;

private:
    void ApplyAlignment();
    void AdjustBounds();

    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = false;
    TCanvas canvas_;
};

} // namespace vexo
