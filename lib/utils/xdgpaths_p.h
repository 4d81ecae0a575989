#pragma once
// The user's data folders of the XDG base directory rules.

#include <QString>
#include <QStringList>

#include "vexo/utils_export.h"

namespace vexo {

// XDG_DATA_HOME when it is an absolute path, else ~/.local/share; with a trailing "/".
VEXO_UTILS_EXPORT QString XdgDataHome();
// XDG_DATA_HOME first, then every folder of XDG_DATA_DIRS (default /usr/local/share and
// /usr/share); each with a trailing "/".
VEXO_UTILS_EXPORT QStringList XdgDataFolders();

} // namespace vexo
