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
    VEXO_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_COMMON
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK

public:
    // Never takes the focus.
    Q_INVOKABLE explicit TSpeedButton(vexo::TComponent* owner = nullptr);
    TSpeedButton(TComponent* owner, QWidget* parent);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }

    void SetGlyph(const QPixmap& glyph);
    QPixmap Glyph() const { return glyph_; }
    Q_INVOKABLE bool ClickAssigned() const { return bool(OnClick); }

private:
    QPixmap glyph_;
};

} // namespace vexo
