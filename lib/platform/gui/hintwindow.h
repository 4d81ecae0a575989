#pragma once
// The window that shows a control's hint: wrapped to a maximum width, in its own background
// colour, hidden after a time-out.

#include <QLabel>
#include <QTimer>

#include "platform/runtime/types.h"
#include "vexo/platform_gui_export.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT THintWindow : public QLabel {
    Q_OBJECT

public:
    explicit THintWindow(QWidget* parent = nullptr);

    // Shows `hint` with its top-left at `pos` (global), at most `maxWidth` pixels wide,
    // on `color`, for `hideTimeout` milliseconds (0 or less: until the next hint).
    void ActivateHint(const QString& hint, QPoint pos, int maxWidth, TColor color, int hideTimeout);
    TColor Color() const { return color_; }
    int HideTimeout() const { return hideTimeout_; }
    int MaxWidth() const { return maxWidth_; }

private:
    QTimer hideTimer_;
    TColor color_ = 0;
    int hideTimeout_ = 0;
    int maxWidth_ = 0;
};

} // namespace vexo
