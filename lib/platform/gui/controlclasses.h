#pragma once
// Registration of the framework's forms, controls and dialog components with the class
// registry, so that they can be created by class name. Every form's constructor calls it.

#include "vexo/platform_gui_export.h"

namespace vexo {

// Registers the framework's forms, controls, menus and other components (TForm, TLabel,
// TEdit, TButton, ..., TPopupMenu, TImageList); later calls do nothing.
VEXO_PLATFORM_GUI_EXPORT void RegisterControlClasses();

} // namespace vexo
