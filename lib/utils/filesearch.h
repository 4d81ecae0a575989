#pragma once
// File searches with the attribute filter of the classic search routines, mapped to Linux file
// kinds: a folder is faDirectory, a name that begins with "." is faHidden, anything that is
// neither a regular file nor a folder (device, FIFO, socket) is faSysFile, a file whose owner
// may not write it is faReadOnly, a regular file is faArchive. Linux has no volume labels.

#include <QString>
#include <QStringList>

#include "platform/runtime/stringlist.h"
#include "vexo/utils_export.h"

namespace vexo {

enum TFileAttribute : int {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faVolumeID = 0x08,
    faDirectory = 0x10,
    faArchive = 0x20,
    faAnyFile = 0x3F
};

// True when FileExists holds for folder + name for every name (a "/" is added to folder when
// missing); true for no names.
VEXO_UTILS_EXPORT bool AllFilesFound(const QString& folder, const QStringList& names);

// Searches `mask` (a folder and a name with * and ? wildcards, "*.*" meaning every name;
// wildcards ignore letter case). As the classic search does, every entry is a candidate and
// hidden entries, system entries and folders are found only when `attributes` holds their
// attribute; faReadOnly and faArchive filter nothing, faVolumeID alone finds nothing. When
// anything is found, `list` is cleared and receives the names (without "." and "..") in name
// order; when nothing is found, `list` is left as it was. A null list is left alone.
VEXO_UTILS_EXPORT void FilesToStrings(TStrings* list, const QString& mask, int attributes);

} // namespace vexo
