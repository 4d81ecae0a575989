#pragma once
// Copying and moving files and folder trees.

#include <QString>

#include "vexo/utils_export.h"

namespace vexo {

// Copies `source` (a file, or a folder and a name with * and ? wildcards; a folder alone
// means every name) to `destination` (a file, or a folder and "*" for the source's names),
// making the destination folder with MakeDirectory. Folders matching a wildcard are copied
// with their trees; names that begin with "." are not copied. With `move`, each source file
// is deleted once its copy is complete.
//
// Refused with a message before anything is copied: a source that matches nothing ("Not
// found "), a destination folder that cannot be made ("Impossible to create "), a copy onto
// the source itself, compared by real path ("Try to copy into itself "), a destination inside
// the copied tree (" - Recursive copying. Process is interrupted!") and many files to one
// ("Try to copy many files to one "). The first failing file ("Open error ", "Read error ",
// "Write error ") stops the copy. Each message goes to UtilsInfoMsg.
//
// Every file is written under a temporary name beside its target and renamed over it when
// complete, so a failure (a full disk) leaves the former target as it was. Permissions and
// times of the source are given to the copy. Symbolic links met inside a tree are copied as
// links and never followed; a read-only target is not replaced. True when everything
// succeeded.
VEXO_UTILS_EXPORT bool CopyFiles(const QString& source, const QString& destination, bool move);

} // namespace vexo
