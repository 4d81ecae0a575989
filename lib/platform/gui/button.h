#pragma once
// A push button with a caption. A click (mouse, Space, or Enter/Esc as a dialog key) gives the
// form the button's ModalResult and then raises OnClick. Enter clicks the focused button, or
// the Default button while no button has the focus; Esc clicks the Cancel button.

#include <QPushButton>

#include "platform/gui/wincontrol.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TButton : public QPushButton, public TWinControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_CLASSINFO("Default.Cancel", "False")
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_CLASSINFO("Default.Default", "False")
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_CLASSINFO("Default.ModalResult", "0")
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_WINDOW_COMMON
    VEXO_PUBLISH_ONCLICK

public:
    // A tab stop.
    Q_INVOKABLE explicit TButton(vexo::TComponent* owner = nullptr);
    TButton(TComponent* owner, QWidget* parent);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    bool Default() const { return default_; }
    // Also shows the button as the default one.
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    Q_INVOKABLE bool ClickAssigned() const { return bool(OnClick); }

    void Click() override;

protected:
    bool DialogKey(int key, TShiftState shift) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
};

} // namespace vexo
