#pragma once
// A bevelled line or frame drawn with the button highlight and shadow colours.

#include <QWidget>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TBevel : public QWidget, public TControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    Q_CLASSINFO("Default.Shape", "bsBox")
    Q_CLASSINFO("Default.Style", "bsLowered")
    Q_CLASSINFO("Default.Visible", "True")
    Q_PROPERTY(TBevelShape Shape READ Shape WRITE SetShape)
    Q_PROPERTY(TBevelStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    VEXO_PUBLISH_ALIGN
    VEXO_PUBLISH_ANCHORS
    VEXO_PUBLISH_CONSTRAINTS
    VEXO_PUBLISH_PARENTSHOWHINT
    VEXO_PUBLISH_SHOWHINT

public:
    enum TBevelShape { bsBox = 0, bsFrame = 1, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
    Q_ENUM(TBevelShape)
    enum TBevelStyle { bsLowered = 0, bsRaised = 1 };
    Q_ENUM(TBevelStyle)

    // Lets the mouse through to what lies under it.
    Q_INVOKABLE explicit TBevel(vexo::TComponent* owner = nullptr);
    TBevel(TComponent* owner, QWidget* parent);

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

} // namespace vexo
