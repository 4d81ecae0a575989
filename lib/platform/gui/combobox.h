#pragma once
// A drop-down list. Setting ItemIndex from code does not raise OnChange; a choice by the
// user does.

#include <QComboBox>
#include <QStringList>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)

public:
    explicit TComboBox(QWidget* parent = nullptr);

    void SetItems(const QStringList& items);
    QStringList Items() const;
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    void SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

    TNotifyEvent OnChange;

private:
    bool fromCode_ = false;
};

} // namespace vexo
