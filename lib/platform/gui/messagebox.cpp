#include "platform/gui/messagebox.h"

#include "platform/gui/application.h"
#include "platform/runtime/screen.h"

namespace vexo {

namespace {

std::unique_ptr<QMessageBox> BaseBox(const QString& text, QMessageBox::Icon icon) {
    auto box = std::make_unique<QMessageBox>();
    box->setObjectName(QStringLiteral("MessageBox"));
    box->setIcon(icon);
    box->setWindowTitle(Application()->Title());
    box->setText(text);
    box->setTextFormat(Qt::PlainText);
    box->setStandardButtons(QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    box->adjustSize();
    if (const QRect area = Screen().WorkAreaRect(); !area.isEmpty())
        box->move(area.center() - QPoint(box->width() / 2, box->height() / 2));
    return box;
}

} // namespace

std::unique_ptr<QMessageBox> CreatePlainMessageBox(const QString& text) {
    return BaseBox(text, QMessageBox::NoIcon);
}

std::unique_ptr<QMessageBox> CreateExceptionBox(const QString& message) {
    return BaseBox(message, QMessageBox::Critical);
}

void ShowMessage(const QString& text) {
    auto box = CreatePlainMessageBox(text);
    Application()->RunMessageBox(*box);
}

} // namespace vexo
