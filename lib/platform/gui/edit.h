#pragma once
// A one-line edit box.

#include <QLineEdit>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)

public:
    explicit TEdit(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    void SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }
};

} // namespace vexo
