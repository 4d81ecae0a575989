#include "utils/gui/utilsmessageboxes.h"

#include <QApplication>

#include "platform/gui/application.h"
#include "platform/gui/messagebox.h"
#include "utils/utilsmessages.h"

namespace vexo {

namespace {

bool HaveWidgets() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// The seam: the framework's boxes today. The library's InfoMsg and ErrorMsg take the place of
// the two calls below, one line each.
void ShowInfoBox(const QString& text) {
    ShowMessage(text);
}

void ShowErrorBox(const QString& text) {
    auto box = CreateExceptionBox(text);
    Application()->RunMessageBox(*box);
}

} // namespace

void InstallUtilsMessageBoxes() {
    SetUtilsMessageProcs(
        [](const QString& text) {
            if (!HaveWidgets())
                return false;
            ShowInfoBox(text);
            return true;
        },
        [](const QString& text) {
            if (!HaveWidgets())
                return false;
            ShowErrorBox(text);
            return true;
        });
}

// Runs when the application object is created (at once when it already exists).
Q_COREAPP_STARTUP_FUNCTION(InstallUtilsMessageBoxes)

} // namespace vexo
