#pragma once
// What a batch run reads: the three paths, the mode and the language. The run reads them
// before its checks and afresh before every file, and normalises them once at that moment;
// everything downstream works on the normalised copy only.

#include <QString>

#include "app/maintexts.h"
#include "app/ropmodes.h"

namespace varnova {

struct TBatchSettings {
    QString SourceDir;              // normalised: ends with "/" (empty when not given)
    QString WorkImagePath;          // the working picture (the destination of every combination)
    QString ResultDir;              // normalised: ends with "/" (empty when not given)
    int ModeIndex = StartModeIndex; // index into RopCodes, 0..14
    int LangIndex = StartLangIndex; // index into the text tables, 0 Russian, 1 English

    // The same settings with both folders ending in "/"; an empty folder stays empty.
    TBatchSettings Normalized() const;

    // Paths of one list entry; the settings must be normalised.
    QString SourcePath(const QString& name) const { return SourceDir + name; }
    QString ResultPath(const QString& name) const { return ResultDir + name; }
};

} // namespace varnova
