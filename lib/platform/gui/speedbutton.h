#pragma once
// A small button that shows a glyph.

#include <QPixmap>
#include <QToolButton>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TSpeedButton : public QToolButton,
                                              public TControl,
                                              public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE

public:
    // Never takes the focus.
    Q_INVOKABLE explicit TSpeedButton(vexo::TComponent* owner = nullptr);
    TSpeedButton(TComponent* owner, QWidget* parent);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }

    void SetGlyph(const QPixmap& glyph);
    QPixmap Glyph() const { return glyph_; }
    Q_INVOKABLE bool ClickAssigned() const { return bool(OnClick); }

    TNotifyEvent OnClick;

protected:
    void changeEvent(QEvent* event) override;

private:
    QPixmap glyph_;
};

} // namespace vexo
