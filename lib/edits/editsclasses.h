#pragma once
// Registers the edits library's component classes with the class registry, so that streams
// can create them by class name. Runs once; later calls do nothing.

#include "vexo/edits_export.h"

namespace vexo {

VEXO_EDITS_EXPORT void RegisterEditsClasses();

} // namespace vexo
