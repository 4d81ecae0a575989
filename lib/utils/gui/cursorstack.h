#pragma once
// The screen's cursor and a stack of saved ones. Cursors are the framework's cursor numbers:
// 0 the default (each window's own cursor), -11 the hourglass, the other negative numbers the
// standard shapes. The screen's cursor is the application's override cursor: set, it shows
// over every window of the application.

#include "vexo/utils_gui_export.h"

namespace vexo {

// The cursor last set for the screen; 0 (default) at start.
VEXO_UTILS_GUI_EXPORT int ActiveScreenCursor();
// Shows `cursor` over the whole application; 0 gives every window its own cursor back.
VEXO_UTILS_GUI_EXPORT void SetActiveScreenCursor(int cursor);

// Pushes the screen's cursor on the stack and sets `cursor`.
VEXO_UTILS_GUI_EXPORT void PushCursor(int cursor);
// Sets the cursor pushed last and takes it off the stack; the default with an empty stack.
VEXO_UTILS_GUI_EXPORT void RestoreCursor();
// Sets the hourglass and then the default cursor, so the pointer is drawn anew.
VEXO_UTILS_GUI_EXPORT void RefreshCursor();

} // namespace vexo
