#pragma once
// The temporary folders, short file names and environment variables. Folders returned end
// with "/".

#include <QString>

#include "vexo/utils_export.h"

namespace vexo {

// The system temporary folder: TMPDIR when it names an existing folder by an absolute path,
// else /tmp. The whole path, never cut to a length.
VEXO_UTILS_EXPORT QString GetPathToTemp();
// The program's own temporary folder: GetPathToTemp + DefaultName + "-" + the user's id + "/",
// made on the first call with owner-only permissions (0700) and the same on every call. Empty
// when it cannot be made or when the name is taken by something that is not a folder of this
// user (a shared /tmp must not hand out another user's folder).
VEXO_UTILS_EXPORT QString GetPathToLocalTemp();
// The path unchanged: Linux has no short (8.3) names.
VEXO_UTILS_EXPORT QString GetShortFileName(const QString& path);
// The value of the environment variable `name`, or of its upper-cased name when `name` itself
// is not set (the lookup ignored case where these routines come from); empty when neither is
// set. The whole value, never cut to a length.
VEXO_UTILS_EXPORT QString GetEnvVar(const QString& name);

} // namespace vexo
