#pragma once
// Screen and form lookups that need no widgets, and the development-environment test.

#include <QString>

#include "platform/runtime/component.h"
#include "vexo/utils_export.h"

namespace vexo {

// True when the primary screen has 96 logical pixels per inch (also without a screen, which
// counts as 96).
VEXO_UTILS_EXPORT bool SystemSmallFonts();
// The last of the screen's forms whose Name equals `name` in any letter case; none otherwise.
VEXO_UTILS_EXPORT TComponent* GetScreenFormByName(const QString& name);
// Always false: the test looked for the window of a Windows development environment, which
// does not exist on Linux.
VEXO_UTILS_EXPORT bool IDERunning();

} // namespace vexo
