#include "app/batchrun.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "batchfixture.h"
#include "support/testdir.h"

using namespace varnova;
using namespace batchtest;

// --- File list ----------------------------------------------------------------------------------

TEST(BuildFileList, TakesEveryEntryEndingInBmpIgnoringCase) {
    TestDir dir;
    for (const char* name : {"a.bmp", "B.BMP", "c.Bmp", ".hidden.bmp", "d.bmpx", "e.txt", "bmp"})
        WriteFile(dir.Path() + name, "x");
    QDir().mkpath(dir.Path() + "folder.bmp");
    QDir().mkpath(dir.Path() + "plain");
    QFile::link(dir.Path() + "a.bmp", dir.Path() + "link.bmp");
    EXPECT_EQ(BuildFileList(dir.Path()),
              QStringList({".hidden.bmp", "a.bmp", "B.BMP", "c.Bmp", "folder.bmp", "link.bmp"}));
}

TEST(BuildFileList, MissingOrEmptyFolderGivesNoNames) {
    TestDir dir;
    EXPECT_TRUE(BuildFileList(dir.Path()).isEmpty());
    EXPECT_TRUE(BuildFileList(dir.Path() + "none/").isEmpty());
    EXPECT_TRUE(BuildFileList(QString()).isEmpty());
}

struct SortCase {
    QStringList Given;
    QStringList Sorted;
};

class SortFileNamesTable : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortFileNamesTable, AlphabeticalIgnoringCaseThenByExactText) {
    QStringList names = GetParam().Given;
    SortFileNames(names);
    EXPECT_EQ(names, GetParam().Sorted);
    // The order never depends on the order given.
    std::reverse(names.begin(), names.end());
    SortFileNames(names);
    EXPECT_EQ(names, GetParam().Sorted);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SortFileNamesTable,
    ::testing::Values(
        SortCase{{"b.bmp", "C.bmp", "a.bmp"}, {"a.bmp", "b.bmp", "C.bmp"}},
        SortCase{{"img9.bmp", "img10.bmp", "IMG2.bmp", "img1.bmp"},
                 {"img1.bmp", "img10.bmp", "IMG2.bmp", "img9.bmp"}},
        SortCase{{"a.bmp", "A.bmp", "a.BMP"}, {"A.bmp", "a.BMP", "a.bmp"}},
        SortCase{{"_x.bmp", "Zed.bmp", "zed1.bmp"}, {"_x.bmp", "Zed.bmp", "zed1.bmp"}},
        SortCase{{QString::fromUtf8("Яблоко.bmp"), QString::fromUtf8("арбуз.bmp"), "z.bmp"},
                 {"z.bmp", QString::fromUtf8("арбуз.bmp"), QString::fromUtf8("Яблоко.bmp")}}));

// --- Checks -------------------------------------------------------------------------------------

TEST(SameTextAsciiCase, FoldsOnlyLatinLetters) {
    EXPECT_TRUE(SameTextAsciiCase("/Data/Pics/", "/data/PICS/"));
    EXPECT_FALSE(SameTextAsciiCase("/data/pics", "/data/pics/"));
    EXPECT_FALSE(SameTextAsciiCase(QString::fromUtf8("/Папка/"), QString::fromUtf8("/папка/")));
    EXPECT_FALSE(SameTextAsciiCase("/a[/", "/a{/")); // '[' and '{' are 32 apart but no letters
    EXPECT_TRUE(SameTextAsciiCase("", ""));
}

TEST(SameFolder, ResolvesLinksDotsAndTrailingSeparators) {
    TestDir dir;
    QDir().mkpath(dir.Path() + "a/b");
    QFile::link(dir.Path() + "a", dir.Path() + "l");
    EXPECT_TRUE(SameFolder(dir.Path() + "a", dir.Path() + "a/"));
    EXPECT_TRUE(SameFolder(dir.Path() + "a/b/..", dir.Path() + "a"));
    EXPECT_TRUE(SameFolder(dir.Path() + "l/", dir.Path() + "a"));
    EXPECT_FALSE(SameFolder(dir.Path() + "a/b", dir.Path() + "a"));
    EXPECT_FALSE(SameFolder(dir.Path() + "none", dir.Path() + "none"));
}

TEST(CheckSettings, RefusesInTheirOrder) {
    TestDir dir;
    const QString a = dir.Path() + "a/", b = dir.Path() + "b/";
    QDir().mkpath(a);
    QDir().mkpath(b);
    EXPECT_EQ(CheckSettings({"", "", "", 11, 0}), mtSelectFolders);
    EXPECT_EQ(CheckSettings({a, "w.bmp", "", 11, 0}), mtSelectFolders);
    EXPECT_EQ(CheckSettings({"", "w.bmp", b, 11, 0}), mtSelectFolders);
    EXPECT_EQ(CheckSettings({a, "", b, 11, 0}), mtSelectWorkImage);
    EXPECT_EQ(CheckSettings({a, "", a, 11, 0}), mtSelectWorkImage);
    EXPECT_EQ(CheckSettings({a, "w.bmp", a.chopped(1), 11, 0}), mtSameFolders);
    EXPECT_EQ(CheckSettings({"/no/Such/", "w.bmp", "/NO/such", 11, 0}), mtSameFolders);
    EXPECT_EQ(CheckSettings({a, "w.bmp", b, 11, 0}), -1);
}

TEST(WouldReplaceWorkImage, TheFileItselfOrTheEntryItsPathNames) {
    TestDir dir;
    WriteFile(dir.Path() + "out/w.bmp", "x");
    WriteFile(dir.Path() + "elsewhere/real.bmp", "x");
    QFile::link(dir.Path() + "out", dir.Path() + "outlink");
    QFile::link(dir.Path() + "elsewhere/real.bmp", dir.Path() + "out/alias.bmp");
    const QString out = dir.Path() + "out/";
    EXPECT_TRUE(WouldReplaceWorkImage(out + "w.bmp", out, "w.bmp"));
    EXPECT_TRUE(WouldReplaceWorkImage(dir.Path() + "outlink/w.bmp", out, "w.bmp"));
    EXPECT_TRUE(WouldReplaceWorkImage(out + "w.bmp", dir.Path() + "outlink", "w.bmp"));
    // The working picture reached through a link in the result folder: replacing the link
    // changes what the path loads.
    EXPECT_TRUE(WouldReplaceWorkImage(out + "alias.bmp", out, "alias.bmp"));
    EXPECT_TRUE(WouldReplaceWorkImage(out + "alias.bmp", dir.Path() + "elsewhere", "real.bmp"));
    EXPECT_FALSE(WouldReplaceWorkImage(out + "w.bmp", out, "W.bmp"));
    EXPECT_FALSE(WouldReplaceWorkImage(out + "w.bmp", dir.Path() + "elsewhere", "w.bmp"));
}

// --- The run ------------------------------------------------------------------------------------

namespace {

class BatchRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings = {dir.Path() + "src/", dir.Path() + "work.bmp", dir.Path() + "out/", 11, 1};
        WriteBitmap(settings.WorkImagePath, Picture(12, 8, 24, 3));
        QDir().mkpath(settings.ResultDir);
        run.Settings = [this] {
            ++settingsReads;
            return settings;
        };
        run.OnMessage = [this](const TBatchMessage& m) { events << "message " + m.Text; };
        run.OnStart = [this](const QStringList& names) {
            events << QStringLiteral("start %1").arg(names.size());
        };
        run.OnFileDone = [this](int i, int left) {
            events << QStringLiteral("done %1 %2").arg(i).arg(left);
        };
        run.ProcessEvents = [this] { ++pumps; };
    }

    void Sources(int count) {
        for (int i = 0; i < count; ++i)
            WriteBitmap(settings.SourceDir + QStringLiteral("s%1.bmp").arg(i),
                        Picture(12, 8, 24, i));
    }

    TestDir dir;
    TBatchSettings settings;
    TBatchRun run;
    TStopRequest stop;
    QStringList events;
    int settingsReads = 0;
    int pumps = 0;
};

} // namespace

TEST_F(BatchRunTest, ReportsEveryFileInOrderAndCompletes) {
    Sources(3);
    const TBatchResult r = run.Run();
    EXPECT_EQ(r.Outcome, boCompleted);
    EXPECT_EQ(r.FileCount, 3);
    EXPECT_EQ(r.Processed, 3);
    EXPECT_EQ(r.Entry, mtProcessedPrefix);
    EXPECT_EQ(r.Message, "Processed images : 3");
    EXPECT_EQ(events, QStringList({"start 3", "done 0 3", "done 1 2", "done 2 1"}));
    EXPECT_EQ(pumps, 3);
    // Once for the checks, once per file, once for the final message's language.
    EXPECT_EQ(settingsReads, 5);
}

TEST_F(BatchRunTest, EmptyFolderSendsEntryFiveThenCompletesWithZero) {
    QDir().mkpath(settings.SourceDir);
    const TBatchResult r = run.Run();
    EXPECT_EQ(events, QStringList({"message Error: input directory is empty", "start 0"}));
    EXPECT_EQ(r.Outcome, boCompleted);
    EXPECT_EQ(r.Message, "Processed images : 0");
}

TEST_F(BatchRunTest, RefusalTouchesNothing) {
    Sources(1);
    settings.ResultDir = settings.SourceDir;
    const TBatchResult r = run.Run();
    EXPECT_EQ(r.Outcome, boRefused);
    EXPECT_EQ(r.Entry, mtSameFolders);
    EXPECT_EQ(r.Message, "Error: you've selected the same directory");
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(BatchRunTest, ModeAndLanguageAreReadAfreshForEveryFile) {
    Sources(3);
    run.OnFileDone = [this](int i, int) {
        if (i == 0)
            settings.ModeIndex = 12; // from the second file on
        if (i == 2)
            settings.LangIndex = 0;
    };
    const TBatchResult r = run.Run();
    EXPECT_EQ(r.Message, QString::fromUtf8("Обработано рисунков : 3"));
    const QString src = settings.SourceDir, out = settings.ResultDir;
    EXPECT_EQ(ReadFile(out + "s0.bmp"), Expected(settings.WorkImagePath, src + "s0.bmp", 11));
    EXPECT_EQ(ReadFile(out + "s1.bmp"), Expected(settings.WorkImagePath, src + "s1.bmp", 12));
    EXPECT_EQ(ReadFile(out + "s2.bmp"), Expected(settings.WorkImagePath, src + "s2.bmp", 12));
}

TEST_F(BatchRunTest, ChangedWorkingPictureIsUsedFromTheNextFile) {
    Sources(2);
    run.OnFileDone = [this](int i, int) {
        if (i == 0)
            WriteBitmap(settings.WorkImagePath, Picture(10, 6, 8, 9));
    };
    ASSERT_EQ(run.Run().Outcome, boCompleted);
    EXPECT_EQ(ReadFile(settings.ResultDir + "s1.bmp"),
              Expected(settings.WorkImagePath, settings.SourceDir + "s1.bmp", 11));
}

class BatchRunStop : public BatchRunTest, public ::testing::WithParamInterface<int> {};

TEST_P(BatchRunStop, StopAfterTheKthFileLeavesExactlyKResults) {
    Sources(10);
    run.Jobs = GetParam();
    run.Stop = &stop;
    run.ProcessEvents = [this] {
        if (++pumps == 4)
            stop.Request();
    };
    const TBatchResult r = run.Run();
    EXPECT_EQ(r.Outcome, boStopped);
    EXPECT_EQ(r.Entry, mtAborted);
    EXPECT_EQ(r.Message, "Process aborted");
    EXPECT_EQ(r.Processed, 4);
    EXPECT_EQ(Entries(settings.ResultDir), QStringList({"s0.bmp", "s1.bmp", "s2.bmp", "s3.bmp"}));
}

TEST_P(BatchRunStop, RequestStopFromAnotherPlaceWorksToo) {
    Sources(5);
    run.Jobs = GetParam();
    run.Stop = &stop;
    run.OnFileDone = [this](int i, int) {
        if (i == 1)
            stop.Request(); // as a signal handler or another thread would
    };
    EXPECT_EQ(run.Run().Processed, 2);
    EXPECT_EQ(Entries(settings.ResultDir), QStringList({"s0.bmp", "s1.bmp"}));
}

TEST_P(BatchRunStop, FailureKeepsTheEarlierResultsAndNamesTheFile) {
    Sources(6);
    WriteFile(settings.SourceDir + "s3.bmp", "BM");
    run.Jobs = GetParam();
    const TBatchResult r = run.Run();
    EXPECT_EQ(r.Outcome, boFailed);
    EXPECT_EQ(r.Entry, -1);
    EXPECT_EQ(r.Message, "Bitmap image is not valid");
    EXPECT_EQ(r.FailedName, "s3.bmp");
    EXPECT_EQ(r.Processed, 3);
    EXPECT_EQ(events, QStringList({"start 6", "done 0 6", "done 1 5", "done 2 4"}));
    EXPECT_EQ(Entries(settings.ResultDir), QStringList({"s0.bmp", "s1.bmp", "s2.bmp"}));
}

TEST_P(BatchRunStop, SourceTruncatedAfterListingFailsLikeAnyBrokenFile) {
    Sources(4);
    // Another process cuts s2 short after the list is built, before any file is read.
    run.OnStart = [this](const QStringList&) {
        ASSERT_EQ(::truncate(QFile::encodeName(settings.SourceDir + "s2.bmp").constData(), 100), 0);
    };
    run.Jobs = GetParam();
    const TBatchResult r = run.Run();
    EXPECT_EQ(r.Outcome, boFailed);
    EXPECT_EQ(r.Message, "Bitmap image is not valid");
    EXPECT_EQ(r.FailedName, "s2.bmp");
    EXPECT_EQ(r.Processed, 2);
    // Earlier results stay, whole; no temporary file is left behind.
    EXPECT_EQ(Entries(settings.ResultDir), QStringList({"s0.bmp", "s1.bmp"}));
    EXPECT_EQ(ReadFile(settings.ResultDir + "s1.bmp"),
              Expected(settings.WorkImagePath, settings.SourceDir + "s1.bmp", 11));
}

INSTANTIATE_TEST_SUITE_P(Jobs, BatchRunStop, ::testing::Values(1, 3));

TEST_F(BatchRunTest, SourceEmptiedOrRemovedBetweenTwoFilesEndsTheRunWithItsError) {
    Sources(3);
    run.OnFileDone = [this](int i, int) {
        if (i == 0) {
            ASSERT_EQ(::truncate(QFile::encodeName(settings.SourceDir + "s1.bmp").constData(), 0),
                      0);
        }
    };
    TBatchResult r = run.Run();
    EXPECT_EQ(r.Outcome, boFailed);
    EXPECT_EQ(r.Message, "Bitmap image is not valid");
    EXPECT_EQ(r.FailedName, "s1.bmp");
    EXPECT_EQ(Entries(settings.ResultDir), QStringList({"s0.bmp"}));

    Sources(3);
    QDir(settings.ResultDir).removeRecursively();
    QDir().mkpath(settings.ResultDir);
    run.OnFileDone = [this](int i, int) {
        if (i == 1)
            QFile::remove(settings.SourceDir + "s2.bmp");
    };
    r = run.Run();
    EXPECT_EQ(r.Outcome, boFailed);
    EXPECT_EQ(r.Message, "Cannot open file " + settings.SourceDir + "s2.bmp");
    EXPECT_EQ(r.Processed, 2);
    EXPECT_EQ(Entries(settings.ResultDir), QStringList({"s0.bmp", "s1.bmp"}));
}

TEST_F(BatchRunTest, WorkingPictureReplacedMidRunIsAFailureNotAnOverwrite) {
    Sources(3);
    // The main window points the working picture into the result folder during the run.
    run.OnFileDone = [this](int i, int) {
        if (i == 0) {
            WriteBitmap(settings.ResultDir + "s2.bmp", Picture(12, 8, 24, 5));
            settings.WorkImagePath = settings.ResultDir + "s2.bmp";
        }
    };
    const QByteArray before = vexo::WriteBmp(Picture(12, 8, 24, 5));
    const TBatchResult r = run.Run();
    EXPECT_EQ(r.Outcome, boFailed);
    EXPECT_EQ(r.Message, "Error: the result would overwrite the working image");
    EXPECT_EQ(r.Processed, 2);
    EXPECT_EQ(ReadFile(settings.ResultDir + "s2.bmp"), before);
}
