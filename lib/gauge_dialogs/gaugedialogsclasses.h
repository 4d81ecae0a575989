#pragma once
// Registration of the gauge and the folder browser component with the class registry, so that
// they can be created by class name. Their constructors call it: a self-registering object in
// a static library would be dropped by the linker.

#include "vexo/gauge_dialogs_export.h"

namespace vexo {

// Registers TvexoGauge and TvexoBrowseFolder; later calls do nothing.
VEXO_GAUGE_DIALOGS_EXPORT void RegisterGaugeDialogsClasses();

} // namespace vexo
