#pragma once
// A push button with a caption.

#include <QPushButton>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TButton : public QPushButton, public TControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE

public:
    Q_INVOKABLE explicit TButton(vexo::TComponent* owner = nullptr);
    TButton(TComponent* owner, QWidget* parent);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    void SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }
    Q_INVOKABLE bool ClickAssigned() const { return bool(OnClick); }

    TNotifyEvent OnClick;

protected:
    void changeEvent(QEvent* event) override;
};

} // namespace vexo
