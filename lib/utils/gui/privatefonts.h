#pragma once
// Fonts a program brings along: added to and removed from the application's font database
// (the counterpart of the system's font resources, which on Linux belong to the user's font
// configuration rather than to a running program). Needs a running QGuiApplication.

#include <QString>

#include "vexo/utils_gui_export.h"

namespace vexo {

// Adds the font file's families to the application's fonts. False when the file does not
// exist or holds no font the font database can read. Registering the same file again counts:
// it stays until removed as often.
VEXO_UTILS_GUI_EXPORT bool RegisterTTF(const QString& fileName);
// Takes back one registration of the file; the families go with the last one. False when the
// file does not exist or was not registered.
VEXO_UTILS_GUI_EXPORT bool RemoveTTF(const QString& fileName);

} // namespace vexo
