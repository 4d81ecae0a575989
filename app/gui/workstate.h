#pragma once
// The main window's working state: one instance for the whole process, kept outside the
// window object, read afresh by every handler.

#include <QString>

#include "app/maintexts.h"
#include "app/ropmodes.h"
#include "app/stoprequest.h"

namespace varnova {

struct TWorkState {
    QString SourceDir;     // as the folder dialog returned it, with a trailing "/"
    QString WorkImagePath; // as the open-picture dialog returned it
    QString ResultDir;     // with a trailing "/"
    int LangIndex = StartLangIndex;
    int ModeIndex = StartModeIndex;
    TStopRequest StopRequested; // set while a stop of the running batch is pending
};

TWorkState& WorkState();

} // namespace varnova
