#pragma once
// The framework's plain message box and its standard exception box. Each is built by a
// function that does not run it, so tests can inspect and answer it.

#include <QMessageBox>
#include <QString>
#include <memory>

#include "vexo/platform_gui_export.h"

namespace vexo {

// Modal results of forms and dialogs.
enum TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10
};

// No icon, one OK button, the application title as caption, centred on the screen.
VEXO_PLATFORM_GUI_EXPORT std::unique_ptr<QMessageBox> CreatePlainMessageBox(const QString& text);
// The exception box: the message with an error sign, OK, the application title as caption.
VEXO_PLATFORM_GUI_EXPORT std::unique_ptr<QMessageBox> CreateExceptionBox(const QString& message);
// Builds and runs the plain box (through the application's MessageBoxHook when set).
VEXO_PLATFORM_GUI_EXPORT void ShowMessage(const QString& text);

} // namespace vexo
