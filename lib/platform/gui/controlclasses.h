#pragma once
// Registration of the framework's forms, controls and dialog components with the class
// registry, so that they can be created by class name. Every form's constructor calls it.

#include "vexo/platform_gui_export.h"

namespace vexo {

// Registers TForm, TLabel, TEdit, TButton, TComboBox, TListBox, TImage, TBevel, TSpeedButton,
// TGroupBox and TOpenPictureDialog; later calls do nothing.
VEXO_PLATFORM_GUI_EXPORT void RegisterControlClasses();

} // namespace vexo
