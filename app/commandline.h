#pragma once
// The headless front end of the batch run:
//   varnova --source DIR --picture FILE --result DIR [--mode N|NAME] [--lang ru|en]
//           [--jobs N] [--shard K/N] [--quiet]
// Messages are the MainTexts entries in the chosen language; SIGINT and SIGTERM are the Stop
// button.

#include <QString>
#include <QStringList>
#include <cstdio>

#include "app/batchrun.h"

namespace varnova {

enum TExitCode : int {
    ecCompleted = 0, // also for an empty source folder
    ecRefused = 1,   // a check refused the run
    ecFailed = 2,    // a file failed
    ecStopped = 3,   // stopped by a signal
    ecUsage = 64,    // wrong command line
};

struct TCommandLineOptions {
    TBatchSettings Settings;
    int Jobs = 1;
    TShard Shard;
    bool Quiet = false;
    bool Help = false;
    bool Version = false;
};

// The usable cores of this process (its CPU affinity), at least 1.
int DefaultJobs();
// Parses the arguments (the first is the program). Returns false with `error` set for a usage
// error. Missing paths are not usage errors: the run's own checks refuse them.
bool ParseCommandLine(const QStringList& args, TCommandLineOptions& options, QString& error);
QString UsageText();
// "varnova" and the version, as `--version` prints it.
QString VersionText();
int ExitCodeFor(TBatchOutcome outcome);

// Runs the batch with `options`, printing the completion message on `out` and every other
// message (and the progress bar, on a terminal) on `err`; returns the exit status. `stop` is
// polled between files.
int RunBatch(const TCommandLineOptions& options, const TStopRequest& stop, std::FILE* out,
             std::FILE* err);
// The line printed for a failed run: the message, followed by the source the run stopped at
// when the message names no file.
QString FailureText(const TBatchResult& result);

// The whole command line: parse, install the stop signals, run. Returns the exit status.
int RunCommandLine(const QStringList& args);

} // namespace varnova
