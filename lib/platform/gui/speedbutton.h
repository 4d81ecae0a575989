#pragma once
// A small button that shows a glyph.

#include <QPixmap>
#include <QToolButton>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TSpeedButton : public QToolButton {
    Q_OBJECT

public:
    explicit TSpeedButton(QWidget* parent = nullptr);

    void SetGlyph(const QPixmap& glyph);
    QPixmap Glyph() const { return glyph_; }

    TNotifyEvent OnClick;

private:
    QPixmap glyph_;
};

} // namespace vexo
