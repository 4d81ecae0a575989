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
//     run.OnStart = [&](int n) { gauge: Progress 0, MaxValue n; Stop button when n > 50 };
//     run.OnFileDone = [&](int i, int remaining) { gauge: Caption remaining, Progress + 1 };
//     run.ProcessEvents = [] { QCoreApplication::processEvents(); };
//     run.StopRequested = [&] { return StopRequested != 0; };
//     const TBatchResult r = run.Run();
//     // r.Outcome tells how it ended; r.Message is the text to show (an exception's message
//     // for rfFailed, to be shown with the exception box), r.Entry its MainTexts entry.
//
// Sequence of Run():
//   1. Settings() is read; the checks run in order: folders given (entry 0), working picture
//      given (entry 1), source and result not the same folder (entry 12: the full paths under
//      an ASCII case-insensitive comparison, or the same folder by another spelling).
//      A refusal returns boRefused before anything else happens.
//   2. The file list is built. An empty list sends entry 5 through OnMessage and the run goes
//      on with N = 0. If a result would replace the working picture itself, the run is
//      refused (WorkImageOverwriteEntry) before any file is written.
//   3. OnStart(N).
//   4. For each file i: Settings() is read afresh (mode, language and paths may change between
//      files); the working picture and the source are loaded, combined with RopCodes[mode]
//      and the result saved atomically under the same name; then OnFileDone(i, N - i),
//      ProcessEvents(), and StopRequested() / RequestStop() end the run with entry 13.
//      Any failure ends the run with the error's message; results already written stay.
//   5. Completion: entry 14 followed by N.
//
// With Jobs > 1 worker threads prepare the next files ahead (each reads Settings() when it is
// handed out, so a change reaches the run at most Jobs files later), but results are committed
// (renamed into place) in list order on the calling thread, and all callbacks run on that
// thread in list order. So on a stop or a failure the results written are exactly those of
// the first files of the list, as with one job.
//
// Run() is not re-entrant on one object; a caller that may start a second run while one is in
// progress (from ProcessEvents) uses a second TBatchRun.

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

#include "app/maintexts.h"
#include "app/ropmodes.h"

namespace varnova {

// What the run reads: before the checks and afresh before every file.
struct TBatchSettings {
    QString SourceDir;              // a trailing "/" is added when missing
    QString WorkImagePath;          // the working picture (the destination of every combination)
    QString ResultDir;              // a trailing "/" is added when missing
    int ModeIndex = StartModeIndex; // index into RopCodes, 0..14
    int LangIndex = StartLangIndex; // index into the text tables, 0 Russian, 1 English
};

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
    // For a failure: the list entry (name without folder) that failed.
    QString FailedName;
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
    // The list is built with `fileCount` entries (0 possible); may be empty.
    std::function<void(int fileCount)> OnStart;
    // File `index` (0-based) has been written; `remaining` is N - index. May be empty.
    std::function<void(int index, int remaining)> OnFileDone;
    // Runs pending events between two files; may be empty.
    std::function<void()> ProcessEvents;
    // Polled between two files, after ProcessEvents; may be empty.
    std::function<bool()> StopRequested;

    // Worker threads preparing files ahead; 1 keeps everything on the calling thread.
    // Values below 1 mean 1.
    int Jobs = 1;

    TBatchResult Run();
    // Asks a running Run() to stop between two files. Safe from any thread and from a
    // signal handler (a lock-free atomic store).
    void RequestStop() noexcept { stop_.store(true, std::memory_order_relaxed); }

private:
    std::atomic<bool> stop_{false};
};

// The run's pieces, public for the main window and for tests.

// The names (without folder) of every entry of `sourceDir` whose name ends with ".bmp" in any
// case (files, sub-folders, hidden entries and links alike), sorted by SortFileNames.
// An unreadable or missing folder gives an empty list.
QStringList BuildFileList(const QString& sourceDir);
// Alphabetical ignoring case; names equal but for case are ordered by their exact code units,
// so the order never depends on the folder's own order.
void SortFileNames(QStringList& names);
// Equal length and equal bytes, where only the ASCII letters a-z, A-Z are folded.
bool SameTextAsciiCase(const QString& a, const QString& b);
// True when both name the same existing folder (links, "..", a trailing "/" resolved).
bool SameFolder(const QString& a, const QString& b);
// The first check that refuses `settings` (mtSelectFolders, mtSelectWorkImage, mtSameFolders),
// or -1 when all pass.
int CheckSettings(const TBatchSettings& settings);
// True when writing `resultDir` + `name` would replace the working picture (the very file, or
// the link through which `workImagePath` reaches it).
bool WouldReplaceWorkImage(const QString& workImagePath, const QString& resultDir,
                           const QString& name);

} // namespace varnova
