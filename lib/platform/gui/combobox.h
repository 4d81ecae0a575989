#pragma once
// A drop-down list. Setting ItemIndex from code does not raise OnChange; a choice by the
// user does.

#include <QComboBox>
#include <QStringList>

#include "platform/gui/wincontrol.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TComboBox : public QComboBox, public TWinControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_WINDOW_COMMON
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK
    Q_PROPERTY(vexo::TNotifyEvent OnChange MEMBER OnChange)

public:
    // Colour clWindow (not the parent's), a tab stop.
    Q_INVOKABLE explicit TComboBox(vexo::TComponent* owner = nullptr);
    TComboBox(TComponent* owner, QWidget* parent);

    void SetItems(const QStringList& items);
    QStringList Items() const;
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);

    TNotifyEvent OnChange;

private:
    bool fromCode_ = false;
};

} // namespace vexo
