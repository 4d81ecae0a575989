#pragma once
// Short cuts of menu items: a key with shift keys packed into one number (the Qt key code
// combined with Qt's modifier bits), written as the platform writes key sequences
// ("Ctrl+Del", "Shift+Ins", "F5").

#include <QString>

#include "platform/gui/controltypes.h"
#include "vexo/platform_gui_export.h"

namespace vexo {

// The short cut of a Qt key code with Shift, Ctrl and Alt of `shift` (the mouse buttons and
// ssDouble do not count). 0 stands for none.
VEXO_PLATFORM_GUI_EXPORT int ShortCut(int key, TShiftState shift);
VEXO_PLATFORM_GUI_EXPORT void ShortCutToKey(int shortCut, int& key, TShiftState& shift);
VEXO_PLATFORM_GUI_EXPORT QString ShortCutToText(int shortCut);
// 0 for a text that names no key.
VEXO_PLATFORM_GUI_EXPORT int TextToShortCut(const QString& text);

} // namespace vexo
