#pragma once
// A drop-down list. Setting ItemIndex from code does not raise OnChange; a choice by the
// user does.

#include <QComboBox>
#include <QStringList>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TComboBox : public QComboBox, public TControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    VEXO_CONTROL_STATE

public:
    // Colour clWindow.
    Q_INVOKABLE explicit TComboBox(vexo::TComponent* owner = nullptr);
    TComboBox(TComponent* owner, QWidget* parent);

    void SetItems(const QStringList& items);
    QStringList Items() const;
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    void SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

    TNotifyEvent OnChange;

protected:
    void changeEvent(QEvent* event) override;

private:
    bool fromCode_ = false;
};

} // namespace vexo
