// The command line end to end: the real `varnova` executable on real files.
#include "app/commandline.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

#include "batchfixture.h"
#include "platform/image/jpegimage.h"
#include "support/testdir.h"

using namespace varnova;
using namespace batchtest;

namespace {

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        src = dir.Path() + "src/";
        out = dir.Path() + "out/";
        work = dir.Path() + "work.bmp";
        QDir().mkpath(src);
        QDir().mkpath(out);
        WriteBitmap(work, Picture(24, 16, 24, 7));
    }

    void Source(const QString& name, int seed = 1, int bits = 24) {
        WriteBitmap(src + name, Picture(20 + seed % 9, 12 + seed % 7, bits, seed));
    }

    RunOutput Run(QStringList extra = {}) {
        QStringList args{"--source", src, "--picture", work, "--result", out};
        args += extra;
        return RunVarnova(args);
    }

    TestDir dir;
    QString src;
    QString out;
    QString work;
};

const QString RuProcessed = QString::fromUtf8("Обработано рисунков : ");

} // namespace

// --- Completion and languages ---------------------------------------------------------------

TEST_F(CommandLine, CompletesWithTheCountInRussianByDefault) {
    Source("a.bmp", 1);
    Source("b.bmp", 2);
    const RunOutput r = Run();
    EXPECT_EQ(r.ExitCode, ecCompleted) << r.Err.toStdString();
    EXPECT_EQ(r.Out, RuProcessed + "2\n");
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(Entries(out), QStringList({"a.bmp", "b.bmp"}));
    EXPECT_EQ(ReadFile(out + "a.bmp"), Expected(work, src + "a.bmp", StartModeIndex));
}

TEST_F(CommandLine, CompletesInEnglish) {
    Source("a.bmp");
    const RunOutput r = Run({"--lang", "en"});
    EXPECT_EQ(r.ExitCode, ecCompleted);
    EXPECT_EQ(r.Out, "Processed images : 1\n");
}

TEST_F(CommandLine, QuietPrintsNothingOnSuccess) {
    Source("a.bmp");
    const RunOutput r = Run({"--quiet"});
    EXPECT_EQ(r.ExitCode, ecCompleted);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(Entries(out), QStringList({"a.bmp"}));
}

TEST_F(CommandLine, EmptySourceFolderGivesBothMessagesAndSucceeds) {
    WriteFile(src + "notes.txt", "x");
    RunOutput r = Run({"--lang", "en"});
    EXPECT_EQ(r.ExitCode, ecCompleted);
    EXPECT_EQ(r.Err, "Error: input directory is empty\n");
    EXPECT_EQ(r.Out, "Processed images : 0\n");
    r = Run();
    EXPECT_EQ(r.Err, QString::fromUtf8("Ошибка: папка-источник пуста\n"));
    EXPECT_EQ(r.Out, RuProcessed + "0\n");
    EXPECT_TRUE(Entries(out).isEmpty());
}

// --- Modes ------------------------------------------------------------------------------------

TEST_F(CommandLine, ModeByIndexOrByNameIgnoringCase) {
    Source("a.bmp", 3);
    ASSERT_EQ(Run({"--mode", "12"}).ExitCode, ecCompleted);
    const QByteArray byIndex = ReadFile(out + "a.bmp");
    EXPECT_EQ(byIndex, Expected(work, src + "a.bmp", 12));
    ASSERT_EQ(Run({"--mode", "source INVERT"}).ExitCode, ecCompleted);
    EXPECT_EQ(ReadFile(out + "a.bmp"), byIndex);
    ASSERT_EQ(Run({"--mode=Whiteness"}).ExitCode, ecCompleted);
    EXPECT_EQ(ReadFile(out + "a.bmp"), Expected(work, src + "a.bmp", 14));
}

// --- Order and failures -------------------------------------------------------------------------

TEST_F(CommandLine, CorruptSourceMidListKeepsTheFilesBeforeItAndWritesNoneAfter) {
    // Alphabetical ignoring case: Alpha, beta, Broken, delta, Gamma10, gamma9. Byte order would
    // put Broken second and natural order gamma9 before Gamma10.
    for (const char* name : {"Alpha.bmp", "beta.bmp", "delta.bmp", "Gamma10.bmp", "gamma9.bmp"})
        Source(name);
    WriteFile(src + "Broken.bmp", "BM this is no bitmap");
    const RunOutput r = Run({"--lang", "en", "--jobs", "1"});
    EXPECT_EQ(r.ExitCode, ecFailed);
    EXPECT_EQ(r.Err, "Bitmap image is not valid (while processing " + src + "Broken.bmp)\n");
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(Entries(out), QStringList({"Alpha.bmp", "beta.bmp"}));
}

TEST_F(CommandLine, OrderCountsDigitsAsCharactersNotNumbers) {
    for (const char* name : {"img1.bmp", "img10.bmp", "IMG3.bmp"})
        Source(name);
    WriteFile(src + "img2.bmp", QByteArray());
    const RunOutput r = Run({"--jobs", "2"});
    EXPECT_EQ(r.ExitCode, ecFailed);
    EXPECT_EQ(Entries(out), QStringList({"img1.bmp", "img10.bmp"}));
}

TEST_F(CommandLine, SubFolderNamedLikeABitmapFailsTheRunWhenReached) {
    Source("a.bmp");
    Source("c.bmp");
    QDir().mkpath(src + "b.bmp");
    const RunOutput r = Run({"--lang", "en"});
    EXPECT_EQ(r.ExitCode, ecFailed);
    EXPECT_EQ(r.Err, "Cannot open file " + src + "b.bmp\n");
    EXPECT_EQ(Entries(out), QStringList({"a.bmp"}));
}

TEST_F(CommandLine, JpegWorkingPictureCannotBeDrawnOn) {
    Source("a.bmp");
    vexo::TJPEGImage jpeg;
    QImage image(8, 8, QImage::Format_RGB888);
    image.fill(Qt::red);
    jpeg.SetImage(image);
    const QString picture = dir.Path() + "work.jpg";
    WriteFile(picture, jpeg.SaveToBytes());
    const RunOutput r = RunVarnova({"--source", src, "--picture", picture, "--result", out});
    EXPECT_EQ(r.ExitCode, ecFailed);
    EXPECT_EQ(r.Err, "Can only modify an image if it contains a bitmap (while processing " + src +
                         "a.bmp)\n");
    EXPECT_TRUE(Entries(out).isEmpty());
}

TEST_F(CommandLine, WorkingPictureOfUnknownKindOrMissing) {
    Source("a.bmp");
    RunOutput r = RunVarnova({"--source", src, "--picture", dir.Path() + "w.png", "--result", out});
    EXPECT_EQ(r.ExitCode, ecFailed);
    EXPECT_EQ(r.Err, "Unknown picture file extension (.png) (while processing " + src + "a.bmp)\n");
    r = RunVarnova({"--source", src, "--picture", dir.Path() + "none.bmp", "--result", out});
    EXPECT_EQ(r.ExitCode, ecFailed);
    EXPECT_EQ(r.Err, "Cannot open file " + dir.Path() + "none.bmp\n");
}

TEST_F(CommandLine, MissingResultFolderFailsOnTheFirstFile) {
    Source("a.bmp");
    const RunOutput r =
        RunVarnova({"--source", src, "--picture", work, "--result", dir.Path() + "nowhere"});
    EXPECT_EQ(r.ExitCode, ecFailed);
    EXPECT_EQ(r.Err, "Cannot create file " + dir.Path() + "nowhere/a.bmp\n");
}

TEST_F(CommandLine, ResultsReplaceFilesOfTheSameNameAndLeaveOthers) {
    Source("a.bmp", 4);
    WriteFile(out + "a.bmp", "old contents");
    WriteFile(out + "keep.txt", "mine");
    ASSERT_EQ(Run().ExitCode, ecCompleted);
    EXPECT_EQ(ReadFile(out + "a.bmp"), Expected(work, src + "a.bmp", StartModeIndex));
    EXPECT_EQ(ReadFile(out + "keep.txt"), "mine");
    EXPECT_EQ(Entries(out), QStringList({"a.bmp", "keep.txt"}));
}

// --- Checks -----------------------------------------------------------------------------------

TEST_F(CommandLine, MissingFoldersAreRefusedFirst) {
    Source("a.bmp");
    RunOutput r = RunVarnova({"--picture", work, "--result", out, "--lang", "en"});
    EXPECT_EQ(r.ExitCode, ecRefused);
    EXPECT_EQ(r.Err, "Select work directories\n");
    r = RunVarnova({"--source", src, "--lang", "en"}); // no picture either: folders come first
    EXPECT_EQ(r.ExitCode, ecRefused);
    EXPECT_EQ(r.Err, "Select work directories\n");
    r = RunVarnova({"--source", src, "--picture", work, "--result", out.chopped(1) + "x"});
    EXPECT_NE(r.ExitCode, ecRefused); // the folder check only asks for a text
}

TEST_F(CommandLine, MissingWorkingPictureIsRefused) {
    const RunOutput r = RunVarnova({"--source", src, "--result", out});
    EXPECT_EQ(r.ExitCode, ecRefused);
    EXPECT_EQ(r.Err, QString::fromUtf8("Выберите копируемый рисунок\n"));
}

TEST_F(CommandLine, SameFolderIsRefusedWhateverTheSpelling) {
    Source("a.bmp");
    const QString upper = src.left(src.size() - 4) + "SRC/"; // differs in ASCII case only
    const QString viaDots = out + "../src";
    QFile::link(dir.Path() + "src", dir.Path() + "link");
    for (const QString& result : {src, src.chopped(1), upper, viaDots, dir.Path() + "link"}) {
        const RunOutput r =
            RunVarnova({"--source", src, "--picture", work, "--result", result, "--lang", "en"});
        EXPECT_EQ(r.ExitCode, ecRefused) << result.toStdString();
        EXPECT_EQ(r.Err, "Error: you've selected the same directory\n") << result.toStdString();
    }
    EXPECT_EQ(Entries(src), QStringList({"a.bmp"}));
}

TEST_F(CommandLine, FoldersDifferingInCyrillicCaseAreDifferent) {
    const QString lower = dir.Path() + QString::fromUtf8("папка/");
    const QString upper = dir.Path() + QString::fromUtf8("Папка/");
    WriteBitmap(lower + "a.bmp", Picture(20, 12, 24, 1));
    QDir().mkpath(upper);
    const RunOutput r = RunVarnova({"--source", lower, "--picture", work, "--result", upper});
    EXPECT_EQ(r.ExitCode, ecCompleted) << r.Err.toStdString();
    EXPECT_EQ(Entries(upper), QStringList({"a.bmp"}));
}

TEST_F(CommandLine, ResultThatWouldReplaceTheWorkingPictureIsRefusedBeforeAnyWrite) {
    Source("a.bmp");
    Source("work.bmp");
    const QString picture = out + "work.bmp";
    WriteBitmap(picture, Picture(24, 16, 24, 9));
    const QByteArray before = ReadFile(picture);
    RunOutput r =
        RunVarnova({"--source", src, "--picture", picture, "--result", out, "--lang", "en"});
    EXPECT_EQ(r.ExitCode, ecRefused);
    EXPECT_EQ(r.Err, "Error: the result would overwrite the working image\n");
    r = RunVarnova({"--source", src, "--picture", picture, "--result", out});
    EXPECT_EQ(r.Err, QString::fromUtf8("Ошибка: результат заменит рабочий рисунок\n"));
    EXPECT_EQ(ReadFile(picture), before);
    EXPECT_EQ(Entries(out), QStringList({"work.bmp"}));
}

// --- Usage ------------------------------------------------------------------------------------

TEST(CommandLineUsage, HelpPrintsTheUsage) {
    const RunOutput r = RunVarnova({"--help"});
    EXPECT_EQ(r.ExitCode, ecCompleted);
    EXPECT_TRUE(r.Out.startsWith("Usage: varnova --source DIR")) << r.Out.toStdString();
    EXPECT_TRUE(r.Out.contains("11  Source Erase"));
}

TEST(CommandLineUsage, VersionPrintsTheProjectVersion) {
    const RunOutput r = RunVarnova({"--version"});
    EXPECT_EQ(r.ExitCode, ecCompleted);
    EXPECT_EQ(r.Out, "varnova " VARNOVA_VERSION "\n");
    EXPECT_EQ(r.Err, "");
}

class CommandLineUsageError : public ::testing::TestWithParam<QStringList> {};

TEST_P(CommandLineUsageError, ExitsWith64) {
    const RunOutput r = RunVarnova(GetParam());
    EXPECT_EQ(r.ExitCode, ecUsage);
    EXPECT_TRUE(r.Err.contains("--help")) << r.Err.toStdString();
    EXPECT_EQ(r.Out, "");
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineUsageError,
                         ::testing::Values(QStringList{"--frobnicate"}, QStringList{"--source"},
                                           QStringList{"--mode", "15"}, QStringList{"--mode", "-1"},
                                           QStringList{"--mode", "Sourceerase"},
                                           QStringList{"--lang", "de"}, QStringList{"--jobs", "0"},
                                           QStringList{"--jobs", "two"}, QStringList{"stray"},
                                           QStringList{"--version=2"}));

// --- Jobs and stopping --------------------------------------------------------------------------

TEST_F(CommandLine, TwoJobsWriteTheSameBytesAsOne) {
    int seed = 0;
    for (int bits : {1, 4, 8, 16, 24, 32})
        for (int k = 0; k < 3; ++k, ++seed)
            Source(QStringLiteral("s%1_%2.bmp").arg(bits).arg(k), seed, bits);
    for (const char* mode : {"11", "12", "3", "7"}) {
        const QString one = dir.Path() + "one" + mode + "/";
        const QString two = dir.Path() + "two" + mode + "/";
        QDir().mkpath(one);
        QDir().mkpath(two);
        ASSERT_EQ(RunVarnova({"--source", src, "--picture", work, "--result", one, "--mode", mode,
                              "--jobs", "1"})
                      .ExitCode,
                  ecCompleted);
        ASSERT_EQ(RunVarnova({"--source", src, "--picture", work, "--result", two, "--mode", mode,
                              "--jobs", "2"})
                      .ExitCode,
                  ecCompleted);
        const QStringList names = Entries(src);
        ASSERT_EQ(Entries(one), names);
        ASSERT_EQ(Entries(two), names);
        for (const QString& name : names) {
            EXPECT_EQ(ReadFile(two + name), ReadFile(one + name)) << name.toStdString();
            EXPECT_EQ(ReadFile(one + name), Expected(work, src + name, QString(mode).toInt()))
                << name.toStdString();
        }
    }
}

class CommandLineStop : public CommandLine, public ::testing::WithParamInterface<const char*> {};

TEST_P(CommandLineStop, SignalLeavesExactlyTheFirstResults) {
    // Many small files, so the run is still going when the signal arrives.
    constexpr int Count = 1500;
    const QByteArray bytes = vexo::WriteBmp(Picture(16, 16, 24, 3));
    QStringList names;
    for (int i = 0; i < Count; ++i) {
        const QString name = QStringLiteral("f%1.bmp").arg(i); // f0, f1, f10, f100, ...
        WriteFile(src + name, bytes);
        names << name;
    }
    SortFileNames(names);
    QProcess p;
    p.start(QStringLiteral(VARNOVA_EXE), {"--source", src, "--picture", work, "--result", out,
                                          "--lang", "en", "--jobs", GetParam()});
    ASSERT_TRUE(p.waitForStarted());
    // Wait for the first result, then stop as the user would with Ctrl-C.
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(out + names.first()) && clock.elapsed() < 60000)
        QThread::usleep(200);
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), ecStopped);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()), "Process aborted\n");
    EXPECT_EQ(p.readAllStandardOutput(), "");
    const QStringList written = Entries(out); // also: no temporary files left behind
    ASSERT_GE(written.size(), 1);
    ASSERT_LT(written.size(), Count);
    QStringList prefix = names.mid(0, written.size());
    prefix.sort();
    EXPECT_EQ(written, prefix);
}

INSTANTIATE_TEST_SUITE_P(Jobs, CommandLineStop, ::testing::Values("1", "2"));

// --- Shards -------------------------------------------------------------------------------------

TEST(Shards, ParseKOfN) {
    TShard s;
    ASSERT_TRUE(ParseShard("1/1", s));
    EXPECT_EQ(s.Index, 0);
    EXPECT_EQ(s.Count, 1);
    ASSERT_TRUE(ParseShard("3/8", s));
    EXPECT_EQ(s.Index, 2);
    EXPECT_EQ(s.Count, 8);
    for (const char* bad : {"0/3", "4/3", "1/0", "-1/2", "1", "1/2/3", "a/b", "", "1/1000001"})
        EXPECT_FALSE(ParseShard(bad, s)) << bad;
}

TEST(Shards, InterleavedSharesCoverTheListOnce) {
    const QStringList names = {"a", "b", "c", "d", "e", "f", "g"};
    EXPECT_EQ(TakeShard(names, {0, 3}), QStringList({"a", "d", "g"}));
    EXPECT_EQ(TakeShard(names, {1, 3}), QStringList({"b", "e"}));
    EXPECT_EQ(TakeShard(names, {2, 3}), QStringList({"c", "f"}));
    EXPECT_EQ(TakeShard(names, {0, 1}), names);
    EXPECT_EQ(TakeShard(names, {8, 9}), QStringList());
}

TEST_F(CommandLine, ShardsIntoOneFolderGiveTheSingleRunsBytesWithTheirOwnCounts) {
    int seed = 0;
    for (int bits : {1, 8, 24, 32})
        for (int k = 0; k < 3; ++k, ++seed)
            Source(QStringLiteral("s%1_%2.bmp").arg(bits).arg(k), seed, bits);
    const QString single = dir.Path() + "single/";
    QDir().mkpath(single);
    ASSERT_EQ(RunVarnova({"--source", src, "--picture", work, "--result", single}).ExitCode,
              ecCompleted);
    // Three shares, as three machines would run them into one shared folder.
    int total = 0;
    for (const char* shard : {"1/3", "2/3", "3/3"}) {
        const RunOutput r = Run({"--shard", shard, "--lang", "en"});
        EXPECT_EQ(r.ExitCode, ecCompleted) << r.Err.toStdString();
        EXPECT_EQ(r.Out, "Processed images : 4\n") << shard;
        total += 4;
    }
    const QStringList names = Entries(single);
    ASSERT_EQ(names.size(), total);
    EXPECT_EQ(Entries(out), names);
    for (const QString& name : names)
        EXPECT_EQ(ReadFile(out + name), ReadFile(single + name)) << name.toStdString();
}

TEST_F(CommandLine, ShardWithoutFilesCompletesWithZeroWhileTheFolderHasSome) {
    Source("a.bmp");
    Source("b.bmp");
    RunOutput r = Run({"--shard", "3/3", "--lang", "en"});
    EXPECT_EQ(r.ExitCode, ecCompleted);
    EXPECT_EQ(r.Err, ""); // the folder is not empty, only this share is
    EXPECT_EQ(r.Out, "Processed images : 0\n");
    r = Run({"--shard", "2/3", "--lang", "en"});
    EXPECT_EQ(r.Out, "Processed images : 1\n");
    EXPECT_EQ(Entries(out), QStringList({"b.bmp"}));
    EXPECT_EQ(Run({"--shard", "4/3"}).ExitCode, ecUsage);
}

// --- Leftovers of a killed run ----------------------------------------------------------------

TEST_F(CommandLine, RunKilledOutrightLeavesTemporariesThatTheNextRunRemoves) {
    const QByteArray bytes = vexo::WriteBmp(Picture(256, 256, 24, 3));
    WriteBitmap(work, Picture(256, 256, 24, 7));
    for (int i = 0; i < 600; ++i)
        WriteFile(src + QStringLiteral("f%1.bmp").arg(i, 3, 10, QLatin1Char('0')), bytes);
    WriteFile(out + "mine.txt", "keep");
    QProcess p;
    p.start(QStringLiteral(VARNOVA_EXE),
            {"--source", src, "--picture", work, "--result", out, "--jobs", "2"});
    ASSERT_TRUE(p.waitForStarted());
    const auto temporaries = [&] { return Entries(out).filter(QRegularExpression("\\.part$")); };
    QElapsedTimer clock;
    clock.start();
    while (temporaries().isEmpty() && clock.elapsed() < 60000)
        QThread::usleep(100);
    ::kill(pid_t(p.processId()), SIGKILL);
    ASSERT_TRUE(p.waitForFinished(60000));
    const QStringList left = temporaries();
    ASSERT_FALSE(left.isEmpty()); // with two jobs, results wait in flight as temporaries
    const RunOutput r = Run({"--quiet"});
    EXPECT_EQ(r.ExitCode, ecCompleted) << r.Err.toStdString();
    EXPECT_TRUE(temporaries().isEmpty());
    EXPECT_EQ(Entries(out).size(), 601);
    EXPECT_EQ(ReadFile(out + "mine.txt"), "keep");
}
