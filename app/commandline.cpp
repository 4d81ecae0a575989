#include "app/commandline.h"

#include <QCommandLineParser>
#include <algorithm>
#include <csignal>
#include <sched.h>

#include "app/progressbar.h"
#include "app/ropmodes.h"

namespace varnova {

namespace {

// Set by SIGINT / SIGTERM (a lock-free atomic store, safe in a signal handler).
TStopRequest stopSignalled;

extern "C" void OnStopSignal(int) {
    stopSignalled.Request();
}

void InstallStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // A second Ctrl-C finds the default action again and ends the program at once.
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

bool ParseMode(const QString& text, int& mode) {
    bool number = false;
    const int index = text.toInt(&number);
    if (number) {
        if (index < 0 || index >= ModeCount)
            return false;
        mode = index;
        return true;
    }
    mode = ModeIndexByName(text);
    return mode >= 0;
}

} // namespace

int DefaultJobs() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof(set), &set) == 0)
        return std::max(1, CPU_COUNT(&set));
    return 1;
}

QString UsageText() {
    QString modes;
    for (int i = 0; i < ModeCount; ++i)
        modes +=
            QStringLiteral("  %1  %2\n").arg(i, 2).arg(QString::fromLatin1(ModeNames[i]).trimmed());
    return QStringLiteral(
               "Usage: varnova --source DIR --picture FILE --result DIR [--mode N|NAME]\n"
               "               [--lang ru|en] [--jobs N] [--shard K/N] [--quiet]\n"
               "       varnova --help | --version\n"
               "\n"
               "Combines the working picture with every *.bmp of the source folder, in\n"
               "alphabetical order ignoring case, by a raster operation, and writes each result\n"
               "under the source's name into the result folder (replacing files of that name).\n"
               "\n"
               "  --source DIR     folder of the source bitmaps\n"
               "  --picture FILE   the working picture (a .bmp)\n"
               "  --result DIR     folder for the results (not the source folder)\n"
               "  --mode N|NAME    raster operation, index or name ignoring case (default 11,\n"
               "                   Source Erase)\n"
               "  --lang ru|en     language of the messages (default ru)\n"
               "  --jobs N         worker threads (default: all cores)\n"
               "  --shard K/N      take only the K-th of N interleaved shares of the list\n"
               "                   (files K, K + N, K + 2N, ...), to divide a folder between\n"
               "                   N runs, on one machine or several\n"
               "  --quiet          no progress bar and no completion message\n"
               "\n"
               "Modes:\n") +
           modes +
           QStringLiteral("\n"
                          "Exit status: 0 completed (also for an empty source folder), 1 refused\n"
                          "by a check, 2 a file failed, 3 stopped (SIGINT/SIGTERM), 64 usage "
                          "error.\n");
}

QString VersionText() {
    return QStringLiteral("varnova " VARNOVA_VERSION "\n");
}

bool ParseCommandLine(const QStringList& args, TCommandLineOptions& options, QString& error) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption source(QStringLiteral("source"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption picture(QStringLiteral("picture"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption result(QStringLiteral("result"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption mode(QStringLiteral("mode"), QString(), QStringLiteral("N|NAME"));
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("ru|en"));
    const QCommandLineOption jobs(QStringLiteral("jobs"), QString(), QStringLiteral("N"));
    const QCommandLineOption shard(QStringLiteral("shard"), QString(), QStringLiteral("K/N"));
    const QCommandLineOption quiet(QStringLiteral("quiet"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({source, picture, result, mode, lang, jobs, shard, quiet, help, version});
    if (!parser.parse(args)) {
        error = parser.errorText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return false;
    }
    options = TCommandLineOptions{};
    options.Jobs = DefaultJobs();
    options.Help = parser.isSet(help);
    options.Version = parser.isSet(version);
    options.Quiet = parser.isSet(quiet);
    options.Settings.SourceDir = parser.value(source);
    options.Settings.WorkImagePath = parser.value(picture);
    options.Settings.ResultDir = parser.value(result);
    if (parser.isSet(mode) && !ParseMode(parser.value(mode), options.Settings.ModeIndex)) {
        error =
            QStringLiteral("Unknown mode '%1': give 0..14 or a mode name.").arg(parser.value(mode));
        return false;
    }
    if (parser.isSet(lang)) {
        const QString l = parser.value(lang).toLower();
        if (l == QLatin1String("ru"))
            options.Settings.LangIndex = 0;
        else if (l == QLatin1String("en"))
            options.Settings.LangIndex = 1;
        else {
            error = QStringLiteral("Unknown language '%1': give ru or en.").arg(parser.value(lang));
            return false;
        }
    }
    if (parser.isSet(jobs)) {
        bool ok = false;
        const int n = parser.value(jobs).toInt(&ok);
        if (!ok || n < 1 || n > 1024) {
            error =
                QStringLiteral("Wrong number of jobs '%1': give 1..1024.").arg(parser.value(jobs));
            return false;
        }
        options.Jobs = n;
    }
    if (parser.isSet(shard) && !ParseShard(parser.value(shard), options.Shard)) {
        error =
            QStringLiteral("Wrong shard '%1': give K/N with 1 <= K <= N.").arg(parser.value(shard));
        return false;
    }
    return true;
}

int ExitCodeFor(TBatchOutcome outcome) {
    switch (outcome) {
    case boCompleted:
        return ecCompleted;
    case boRefused:
        return ecRefused;
    case boFailed:
        return ecFailed;
    case boStopped:
        return ecStopped;
    }
    return ecFailed;
}

QString FailureText(const TBatchResult& result) {
    // Messages without a path ("Bitmap image is not valid") do not say where the run stopped;
    // a batch user needs to know.
    if (MessageNamesFile(result.ErrorKind) || result.FailedPath.isEmpty())
        return result.Message;
    return result.Message + QStringLiteral(" (while processing ") + result.FailedPath +
           QLatin1Char(')');
}

int RunBatch(const TCommandLineOptions& options, const TStopRequest& stop, std::FILE* out,
             std::FILE* err) {
    TProgressBar bar(err, !options.Quiet);
    TBatchRun run;
    run.Jobs = options.Jobs;
    run.Shard = options.Shard;
    run.Settings = [&] { return options.Settings; };
    run.OnMessage = [&](const TBatchMessage& m) {
        bar.Clear();
        Print(err, m.Text);
    };
    run.OnStart = [&](const QStringList& names) { bar.Start(int(names.size())); };
    run.OnFileDone = [&](int index, int) { bar.Update(index + 1); };
    run.Stop = &stop;
    const TBatchResult result = run.Run();
    bar.Clear();
    if (result.Outcome == boCompleted) {
        if (!options.Quiet)
            Print(out, result.Message);
    } else if (result.Outcome == boFailed) {
        Print(err, FailureText(result));
    } else {
        Print(err, result.Message);
    }
    return ExitCodeFor(result.Outcome);
}

int RunCommandLine(const QStringList& args) {
    TCommandLineOptions options;
    QString error;
    if (!ParseCommandLine(args, options, error)) {
        Print(stderr, error + QStringLiteral("\nTry 'varnova --help'."));
        return ecUsage;
    }
    if (options.Help) {
        std::fputs(UsageText().toUtf8().constData(), stdout);
        return ecCompleted;
    }
    if (options.Version) {
        std::fputs(VersionText().toUtf8().constData(), stdout);
        return ecCompleted;
    }
    InstallStopSignals();
    return RunBatch(options, stopSignalled, stdout, stderr);
}

} // namespace varnova
