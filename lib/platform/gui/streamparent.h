#pragma once
// Controls read from a component stream join the control that contains them there as its
// visual children (the reader's parent hook, reader.h). Every control installs it.

#include "vexo/platform_gui_export.h"

namespace vexo {

VEXO_PLATFORM_GUI_EXPORT void InstallStreamParenting();

} // namespace vexo
