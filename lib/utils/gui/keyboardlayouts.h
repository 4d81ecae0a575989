#pragma once
// Switching the keyboard between its Russian and English layouts.
//
// Linux counterpart of loading and activating the layouts "00000419" and "00000409": the X
// keyboard extension (XKB) locks the keyboard group of the user's configured layouts whose
// code is "ru", or "us" (else "gb"). Layouts are not added to the user's configuration, and a
// display without XKB (Wayland, no display at all) offers no switching: the routines then
// return false and change nothing.

#include "vexo/utils_gui_export.h"

namespace vexo {

// Saves the current layout, then activates the Russian one; false when there is none.
VEXO_UTILS_GUI_EXPORT bool SwitchToRussian();
// Saves the current layout, then activates the English one; false when there is none.
VEXO_UTILS_GUI_EXPORT bool SwitchToEnglish();
// Activates the layout saved by the last switch; false when none was saved.
VEXO_UTILS_GUI_EXPORT bool RestoreLayout();

} // namespace vexo
