#pragma once
// The desktop's list of recently used documents.

#include <QString>

#include "vexo/utils_export.h"

namespace vexo {

// Adds an existing file to the user's recently used files (recently-used.xbel in the user's
// data folder), with its MIME type and this program, or marks it used again. The other
// entries stay as they are; a list that is not well-formed XML is left alone. The list is
// replaced atomically.
VEXO_UTILS_EXPORT void AddToRecentDocs(const QString& fileName);

} // namespace vexo
