#pragma once
// A push button with a caption.

#include <QPushButton>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    void SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

    TNotifyEvent OnClick;
};

} // namespace vexo
