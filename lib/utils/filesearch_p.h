#pragma once
// The one wildcard search of the utilities, shared by FileExists, FilesToStrings and
// CopyFiles.

#include <QList>
#include <QString>
#include <optional>

#include "vexo/utils_export.h"

namespace vexo {

struct TFoundEntry {
    QString Name;
    int Attributes = 0; // TFileAttribute bits
    bool IsLink = false;
};

// Splits a path at its last "/": the folder keeps the "/", the name is the rest.
VEXO_UTILS_EXPORT void SplitSearchPath(const QString& path, QString& folder, QString& name);

// Entries of `folder` (empty: the current folder) whose names match `pattern` and pass the
// attribute filter described at FilesToStrings, "." and ".." included when they match, sorted
// by name ignoring case. A pattern without wildcards, or any pattern when `literal` is set
// (Linux names may hold "*" and "?"), names one entry exactly. Nothing when the folder cannot
// be listed.
VEXO_UTILS_EXPORT std::optional<QList<TFoundEntry>>
FindEntries(const QString& folder, const QString& pattern, int attributes, bool literal = false);

VEXO_UTILS_EXPORT bool HasWildcards(const QString& name);

} // namespace vexo
