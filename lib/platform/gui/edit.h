#pragma once
// A one-line edit box. OnChange follows every change of the text, by the user or by code.

#include <QLineEdit>

#include "platform/gui/wincontrol.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TEdit : public QLineEdit, public TWinControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    Q_CLASSINFO("Default.ReadOnly", "False")
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_CTL3D
    VEXO_PUBLISH_PARENTCTL3D
    VEXO_PUBLISH_IMEMODE
    VEXO_PUBLISH_IMENAME
    VEXO_PUBLISH_WINDOW_COMMON
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK
    Q_PROPERTY(vexo::TNotifyEvent OnChange MEMBER OnChange)

public:
    // Colour clWindow (not the parent's), a tab stop.
    Q_INVOKABLE explicit TEdit(vexo::TComponent* owner = nullptr);
    TEdit(TComponent* owner, QWidget* parent);

    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }

    TNotifyEvent OnChange;
};

} // namespace vexo
