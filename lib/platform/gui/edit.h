#pragma once
// A one-line edit box.

#include <QLineEdit>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TEdit : public QLineEdit, public TControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    Q_CLASSINFO("Default.ReadOnly", "False")
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    VEXO_CONTROL_STATE

public:
    // Colour clWindow.
    Q_INVOKABLE explicit TEdit(vexo::TComponent* owner = nullptr);
    TEdit(TComponent* owner, QWidget* parent);

    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    void SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

protected:
    void changeEvent(QEvent* event) override;
};

} // namespace vexo
