#pragma once
// The screen's cursor table: the framework's cursor numbers mapped to Qt cursors. The
// standard numbers (crArrow ... crSizeAll) are Qt's shapes; a program registers its own
// cursors under positive numbers.

#include <QCursor>

#include "platform/gui/controltypes.h"
#include "vexo/platform_gui_export.h"

namespace vexo {

// The cursor of a number; crDefault and unknown numbers give the arrow.
VEXO_PLATFORM_GUI_EXPORT QCursor ScreenCursor(TCursor cursor);
// Registers (or replaces) a program cursor; standard numbers cannot be replaced.
VEXO_PLATFORM_GUI_EXPORT void SetScreenCursor(TCursor cursor, const QCursor& shape);
// Whether a number stands for a cursor (standard or registered).
VEXO_PLATFORM_GUI_EXPORT bool IsKnownCursor(TCursor cursor);

} // namespace vexo
