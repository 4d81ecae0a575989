#pragma once
// The list of a batch run: the names of the source folder's bitmaps, in the order the run
// takes them.

#include <QString>
#include <QStringList>

namespace varnova {

// The names (without folder) of every entry of `sourceDir` whose name ends with ".bmp" in any
// case (files, sub-folders, hidden entries and links alike), sorted by SortFileNames.
// An unreadable or missing folder gives an empty list.
QStringList BuildFileList(const QString& sourceDir);
// Alphabetical ignoring case; names equal but for case are ordered by their exact code units,
// so the order never depends on the folder's own order.
void SortFileNames(QStringList& names);

} // namespace varnova
