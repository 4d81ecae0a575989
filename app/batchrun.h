#pragma once
// The batch combine run, free of any GUI: every "*.bmp" entry of the source folder, in
// alphabetical order ignoring case, is combined with the working picture by the chosen raster
// operation, and each result is written under the source's name into the result folder.
//
// Both the command line and the main window drive it:
//
//     TBatchRun run;
//     run.Settings = [&] { return TBatchSettings{SourceDir, WorkImagePath, ResultDir,
//                                                ModeIndex, LangIndex}; };
//     run.OnMessage = [&](const TBatchMessage& m) { ShowMessage(m.Text); };   // entry 5
//     run.OnStart = [&](const QStringList& names) { list box, gauge, Stop button };
//     run.OnFileDone = [&](int i, int remaining) { gauge: Caption remaining, Progress + 1 };
//     run.ProcessEvents = [] { QCoreApplication::processEvents(); };
//     run.Stop = &stopRequest;   // the Stop button sets it
//     const TBatchResult r = run.Run();
//     // r.Outcome tells how it ended; r.Message is the text to show (an exception's message
//     // for boFailed, to be shown with the exception box), r.Entry its MainTexts entry.
//
// Data flows one way: Settings() is read and normalised once per reading (before the checks
// and before every file); the per-file step gets those normalised settings and a name, and
// hands back a temporary result or an error of a known kind; the run commits results in list
// order and reports through the callbacks.
//
// Sequence of Run():
//   1. The settings are read; the checks run in order: folders given (entry 0), working
//      picture given (entry 1), source and result not the same folder (entry 12: the full
//      paths under an ASCII case-insensitive comparison, or the same folder by another
//      spelling). A refusal returns boRefused before anything else happens.
//   2. The file list is built. An empty list sends entry 5 through OnMessage and the run goes
//      on with N = 0. If a result would replace the working picture itself, the run is
//      refused (WorkImageOverwriteEntry) before any file is written. With a Shard, the run
//      takes its share of the list (entry 5 still speaks of the folder as a whole).
//      Temporary results that a dead process of ours left in the result folder are removed.
//   3. OnStart(the list).
//   4. For each file i: the settings are read afresh (mode, language and paths may change
//      between files); the working picture and the source are loaded, combined with
//      RopCodes[mode] and the result saved atomically under the same name; then
//      OnFileDone(i, N - i), ProcessEvents(), and a stop request ends the run with entry 13.
//      Any failure ends the run with the error's message; results already written stay.
//   5. Completion: entry 14 followed by N.
//
// With Jobs > 1 worker threads prepare the next files ahead (the settings of each are read
// when it is handed out, so a change reaches the run at most 2 x Jobs files later), but
// results are committed (renamed into place) in list order on the calling thread, and all
// callbacks run on that thread in list order. So on a stop or a failure the results written
// are exactly those of the first files of the list, as with one job.
//
// Run() is not re-entrant on one object; a caller that may start a second run while one is in
// progress (from ProcessEvents) uses a second TBatchRun.

#include <QString>
#include <QStringList>
#include <functional>

#include "app/batchchecks.h"
#include "app/batcherror.h"
#include "app/batchsettings.h"
#include "app/filelist.h"
#include "app/maintexts.h"
#include "app/stoprequest.h"

namespace varnova {

enum TBatchOutcome {
    boCompleted = 0, // every file written (also for an empty source folder)
    boRefused = 1,   // a check refused the run; nothing was written
    boFailed = 2,    // a file failed; the results of the files before it stay written
    boStopped = 3,   // a stop request ended the run between two files
};

// A message that does not end the run (today only entry 5, the empty source folder).
struct TBatchMessage {
    int Entry = -1; // MainTexts entry
    QString Text;   // the entry in the language current when it was sent
};

struct TBatchResult {
    TBatchOutcome Outcome = boCompleted;
    int FileCount = 0; // N, the number of list entries (0 when refused)
    int Processed = 0; // results written: those of files 0 .. Processed - 1 of the list
    // MainTexts entry of the final message: mtProcessedPrefix, mtAborted, the refusal's entry
    // (mtSelectFolders, mtSelectWorkImage, mtSameFolders, WorkImageOverwriteEntry), or -1
    // for a failure.
    int Entry = -1;
    // The final message: entry 14 followed by N, entry 13, the refusal's text, or the failing
    // file's error message (for example "Cannot open file /src/a.bmp").
    QString Message;
    // For a failure: the list entry (name without folder) that failed, its source path as the
    // run read it, and the kind of error (MessageNamesFile tells whether Message names it).
    QString FailedName;
    QString FailedPath;
    TBatchErrorKind ErrorKind = ekNone;
};

class TBatchRun {
public:
    TBatchRun();
    ~TBatchRun();
    TBatchRun(const TBatchRun&) = delete;
    TBatchRun& operator=(const TBatchRun&) = delete;

    // Required. Read before the checks and before every file.
    std::function<TBatchSettings()> Settings;
    // Messages that do not end the run (entry 5); may be empty.
    std::function<void(const TBatchMessage&)> OnMessage;
    // The list is built: the names the run takes, in order (none possible); may be empty.
    std::function<void(const QStringList& names)> OnStart;
    // File `index` (0-based) has been written; `remaining` is N - index. May be empty.
    std::function<void(int index, int remaining)> OnFileDone;
    // Runs pending events between two files; may be empty.
    std::function<void()> ProcessEvents;
    // Polled between two files, after ProcessEvents; may be null. The run never clears it.
    const TStopRequest* Stop = nullptr;

    // Worker threads preparing files ahead; 1 keeps everything on the calling thread.
    // Values below 1 mean 1.
    int Jobs = 1;
    // The share of the list this run takes, so that runs on several machines divide a folder
    // between them; the whole list by default.
    TShard Shard;

    TBatchResult Run();

private:
    TBatchSettings ReadSettings() const;
};

} // namespace varnova
