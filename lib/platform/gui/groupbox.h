#pragma once
// A framed group of controls with a caption. The controls in it are owned by the form, not
// by the group box.

#include <QGroupBox>

#include "platform/gui/wincontrol.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TGroupBox : public QGroupBox, public TWinControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_WINDOW_COMMON
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK

public:
    // Colour clBtnFace, shown on the parent's background until Color is set.
    Q_INVOKABLE explicit TGroupBox(vexo::TComponent* owner = nullptr);
    TGroupBox(TComponent* owner, QWidget* parent);

    QString Caption() const { return title(); }
    void SetCaption(const QString& caption) { setTitle(caption); }
};

} // namespace vexo
