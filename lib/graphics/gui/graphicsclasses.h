#pragma once
// Registers the graphics library's component classes with the class registry, so that streams
// can create them by class name. Runs once; later calls do nothing.

#include "vexo/graphics_gui_export.h"

namespace vexo {

VEXO_GRAPHICS_GUI_EXPORT void RegisterGraphicsClasses();

} // namespace vexo
