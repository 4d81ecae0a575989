#include "utils/gui/applicationwindows.h"

#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QStyle>
#include <QWidget>

#include "platform/gui/application.h"
#include "utils/systemversion.h"

namespace vexo {

namespace {

constexpr int AboutIconSize = 48;
constexpr int MaxLineWidth = 480;
constexpr int LineSlack = 32; // the label's margins

QIcon ApplicationIcon() {
    const QIcon own = QApplication::windowIcon();
    if (!own.isNull())
        return own;
    return QIcon::fromTheme(QStringLiteral("application-x-executable"),
                            QApplication::style()->standardIcon(QStyle::SP_DesktopIcon));
}

} // namespace

std::unique_ptr<QMessageBox> CreateStandartAboutBox(const QString& caption, const QString& text) {
    auto box = std::make_unique<QMessageBox>(Application()->MainForm());
    box->setObjectName(QStringLiteral("StandartAboutBox"));
    box->setWindowTitle(caption);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    const QString system = WindowsVerStr();
    box->setInformativeText(system);
    box->setIconPixmap(ApplicationIcon().pixmap(AboutIconSize, AboutIconSize));
    box->setStandardButtons(QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    // A message box wraps its informative text at the width of the main text; the system's
    // line reads better whole, so the box is made wide enough for it.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        const int width =
            qMin(box->fontMetrics().horizontalAdvance(system) + LineSlack, MaxLineWidth);
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 1, 1, grid->columnCount() - 1);
    }
    return box;
}

void StandartAboutBox(const QString& caption, const QString& text) {
    auto box = CreateStandartAboutBox(caption, text);
    Application()->RunMessageBox(*box);
}

void HideApplication() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) {
            window->showMinimized();
            window->hide();
        }
}

} // namespace vexo
