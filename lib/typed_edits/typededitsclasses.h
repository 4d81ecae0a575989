#pragma once
// Registers the typed-edits library's component classes with the class registry, so that
// streams can create them by class name. Runs once; later calls do nothing.

#include "vexo/typed_edits_export.h"

namespace vexo {

VEXO_TYPED_EDITS_EXPORT void RegisterTypedEditsClasses();

} // namespace vexo
