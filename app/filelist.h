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

// One of Count interleaved shares of a list: the entries Index, Index + Count, Index + 2 Count,
// ... (Index counted from 0). The shares of 0 .. Count - 1 together are the list, each entry
// in exactly one of them, and each share is about as large and as varied as the others.
struct TShard {
    int Index = 0;
    int Count = 1;
};

QStringList TakeShard(const QStringList& names, const TShard& shard);
// Parses "K/N", the K-th of N shares, 1 <= K <= N <= 1000000. False for anything else.
bool ParseShard(const QString& text, TShard& shard);

} // namespace varnova
