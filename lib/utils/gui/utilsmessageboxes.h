#pragma once
// The message boxes of the file routines (UtilsInfoMsg, UtilsErrorMsg) in a widget program.

#include "vexo/utils_gui_export.h"

namespace vexo {

// Points the file routines' messages at message boxes owned by the main form. This library
// does it by itself when the application object is created (a program linking it statically
// calls it once); a program that set receivers of its own calls it to return to the boxes.
// Without a QApplication the messages still go to standard error.
VEXO_UTILS_GUI_EXPORT void InstallUtilsMessageBoxes();

} // namespace vexo
