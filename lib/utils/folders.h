#pragma once
// Making folders with their missing parents, and clearing or removing folder trees.

#include <QString>

#include "vexo/utils_export.h"

namespace vexo {

// Makes the folder (one trailing "/" removed), its missing parents first. True when the folder
// exists afterwards, also when it existed before. A failure other than a missing parent shows
// the information message "Unable to create directory <folder>" and gives false.
VEXO_UTILS_EXPORT bool MakeDirectory(const QString& folder);

// Deletes every entry of the folder whose name does not begin with "." (such names are the
// hidden entries and are kept); read-only entries too. Sub-folders are cleared the same way
// and, with removeFolder, removed. Symbolic links are deleted as links and never followed, and
// a sub-folder on another file system (a mount point) is left alone. With removeFolder the
// folder itself is removed when everything else succeeded, unless it is the root of a file
// system. True when every deletion succeeded; false when the folder does not exist.
VEXO_UTILS_EXPORT bool ClearDir(const QString& folder, bool removeFolder);

} // namespace vexo
