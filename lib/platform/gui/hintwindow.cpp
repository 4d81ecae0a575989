#include "platform/gui/hintwindow.h"

#include <QFontMetrics>
#include <QPalette>
#include <algorithm>

#include "platform/image/canvas.h"

namespace vexo {

THintWindow::THintWindow(QWidget* parent) : QLabel(parent, Qt::ToolTip) {
    setObjectName(QStringLiteral("HintWindow"));
    setWordWrap(true);
    setMargin(2);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void THintWindow::ActivateHint(const QString& hint, QPoint pos, int maxWidth, TColor color,
                               int hideTimeout) {
    color_ = color;
    hideTimeout_ = hideTimeout;
    maxWidth_ = maxWidth;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    pal.setColor(QPalette::WindowText, ToQColor(clInfoText));
    setPalette(pal);
    setText(hint);
    const int chrome = 2 * (margin() + frameWidth()) + 4;
    const int natural = QFontMetrics(font()).horizontalAdvance(hint) + chrome;
    const int w = std::max(chrome + 8, std::min(natural, maxWidth));
    setFixedWidth(w);
    setFixedHeight(heightForWidth(w));
    move(pos);
    show();
    hideTimer_.stop();
    if (hideTimeout > 0)
        hideTimer_.start(hideTimeout);
}

} // namespace vexo
