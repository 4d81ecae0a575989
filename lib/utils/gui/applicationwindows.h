#pragma once
// The standard About box and hiding the application.

#include <QMessageBox>
#include <QString>
#include <memory>

#include "vexo/utils_gui_export.h"

namespace vexo {

// The desktop's counterpart of the shell's About box, built but not run: `caption` as the
// window title, `text` as the message, the operating system's name and version below it, the
// application's icon (a generic program icon when it has none) and an OK button; owned by the
// main form when there is one.
VEXO_UTILS_GUI_EXPORT std::unique_ptr<QMessageBox> CreateStandartAboutBox(const QString& caption,
                                                                          const QString& text);
// Builds and runs it modally (through the application's MessageBoxHook when set).
VEXO_UTILS_GUI_EXPORT void StandartAboutBox(const QString& caption, const QString& text);

// Minimizes every visible window of the application and hides it, so that the application
// leaves the screen and the task bar.
VEXO_UTILS_GUI_EXPORT void HideApplication();

} // namespace vexo
