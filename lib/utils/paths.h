#pragma once
// The program's own folder and default names, folder names with their trailing "/", and
// tests whether a file or a folder exists. Folders returned end with "/".

#include <QString>

#include "vexo/utils_export.h"

namespace vexo {

// Folder of the executable, with a trailing "/"; the current folder when it has none.
VEXO_UTILS_EXPORT QString GetRunDir();
// File name without folder and without the part from its last "." on.
VEXO_UTILS_EXPORT QString ExtractFileNameOnly(const QString& path);
// ExtractFileNameOnly of the executable's path.
VEXO_UTILS_EXPORT QString DefaultName();
// GetRunDir + DefaultName + ".ini".
VEXO_UTILS_EXPORT QString DefaultIniName();
// Empty stays empty; otherwise a trailing "/" is added when missing.
VEXO_UTILS_EXPORT QString NormalDir(const QString& folder);
// True when a search for `name` (wildcards * and ? allowed in the last component) finds an
// entry that is not a folder.
VEXO_UTILS_EXPORT bool FileExists(const QString& name);
// False for an empty text; otherwise true when the folder (with or without its trailing "/")
// exists.
VEXO_UTILS_EXPORT bool DirectoryExists(const QString& folder);

} // namespace vexo
