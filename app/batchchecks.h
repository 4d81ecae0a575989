#pragma once
// The checks of a batch run: what refuses it before it starts, and the guard that keeps a
// result from replacing the working picture.

#include <QString>

#include "app/batchsettings.h"

namespace varnova {

// Equal length and equal bytes, where only the ASCII letters a-z, A-Z are folded.
bool SameTextAsciiCase(const QString& a, const QString& b);
// True when both name the same existing folder (links, "..", a trailing "/" resolved).
bool SameFolder(const QString& a, const QString& b);
// The first check that refuses `settings` (mtSelectFolders, mtSelectWorkImage, mtSameFolders),
// or -1 when all pass. Takes the settings as given (they are normalised here).
int CheckSettings(const TBatchSettings& settings);
// As CheckSettings, for settings already normalised.
int CheckNormalizedSettings(const TBatchSettings& settings);
// True when writing `resultDir` + `name` would replace the working picture (the very file, or
// the link through which `workImagePath` reaches it).
bool WouldReplaceWorkImage(const QString& workImagePath, const QString& resultDir,
                           const QString& name);

// WouldReplaceWorkImage for every file of a run: remembers the resolved entries of the last
// settings seen, so the check is a string comparison unless the paths change.
class TReplaceGuard {
public:
    bool WouldReplace(const TBatchSettings& settings, const QString& name);

private:
    bool valid_ = false;
    QString workPath_;
    QString resultDir_;
    // Where the working picture lives as directory entries: the entry its path names (its
    // folder resolved) and the file that entry finally leads to. Replacing either changes
    // what later files load as the working picture.
    QString workNamed_;
    QString workTarget_;
    QString resultFolder_; // resolved, without a trailing "/" (except the root)
};

} // namespace varnova
