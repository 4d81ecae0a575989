#pragma once
// The system sounds by name. The names the system's sound call knows are mapped onto the
// freedesktop sound naming, and the sound is looked up in the freedesktop sound theme:
//
//   SystemAsterisk    -> dialog-information
//   SystemExclamation -> dialog-warning
//   SystemHand        -> dialog-error
//   SystemQuestion    -> dialog-question
//   SystemDefault     -> bell
//
// Letter case is ignored, as the system does for its sound names.

#include <QString>

#include "vexo/graphics_export.h"

namespace vexo {

// The theme's name for a system sound name; empty for any other name.
VEXO_GRAPHICS_EXPORT QString SystemSoundThemeName(const QString& systemName);
// The theme sound's WAV file: <dir>/sounds/freedesktop/stereo/<name>.wav for dir in
// $XDG_DATA_HOME (else ~/.local/share), then each of $XDG_DATA_DIRS (else /usr/local/share
// and /usr/share); the first that exists. Empty when there is none or name is empty. Only WAV
// files count: themes that ship their sounds as Ogg files play nothing.
VEXO_GRAPHICS_EXPORT QString FindThemeSoundFile(const QString& themeName);

} // namespace vexo
