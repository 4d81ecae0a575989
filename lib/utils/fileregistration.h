#pragma once
// Registering a file type as the Linux desktop keeps them: freedesktop.org shared MIME types
// and desktop entries.

#include <QString>

#include "vexo/utils_export.h"

namespace vexo {

// Makes files "*.<extension>" a MIME type of their own, described by `description` and opened
// by `programPath`: a MIME package (mime/packages/) and a desktop entry (applications/) under
// the user's data folder (XDG_DATA_HOME, else ~/.local/share), then the MIME and desktop
// databases are refreshed when update-mime-database and update-desktop-database exist.
// The MIME type is `typeName` when it already reads "type/subtype", else
// "application/x-" + typeName in lower case. Nothing is written and the result is false when
// the extension is known to the MIME database already, unless `force` is set (the new type
// then outweighs the other); false too for an empty or unsafe program path, type name or
// extension, or when a file cannot be written. `iconIndex` has no counterpart: the desktop
// entry names the icon after the program.
VEXO_UTILS_EXPORT bool RegisterFileExt(const QString& programPath, const QString& typeName,
                                       const QString& description, const QString& extension,
                                       int iconIndex, bool force);

} // namespace vexo
