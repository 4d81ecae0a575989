#include "app/resultfile.h"

#include <QFile>
#include <gtest/gtest.h>

#include "batchfixture.h"
#include "platform/runtime/exception.h"
#include "support/testdir.h"

using namespace varnova;
using namespace batchtest;

TEST(ResultFile, CommitReplacesTheFinalFileAtOnce) {
    TestDir dir;
    WriteFile(dir.Path() + "r.bmp", "previous");
    TResultFile f(dir.Path() + "r.bmp");
    f.Write(QByteArray("new "));
    f.Write(QByteArray("bytes"));
    EXPECT_EQ(ReadFile(dir.Path() + "r.bmp"), "previous");
    f.Commit();
    EXPECT_EQ(ReadFile(dir.Path() + "r.bmp"), "new bytes");
    EXPECT_EQ(Entries(dir.Path()), QStringList({"r.bmp"}));
}

TEST(ResultFile, DroppedWithoutCommitLeavesNothingAndKeepsThePreviousFile) {
    TestDir dir;
    WriteFile(dir.Path() + "r.bmp", "previous");
    {
        TResultFile f(dir.Path() + "r.bmp");
        f.Write(QByteArray("partial"));
    }
    EXPECT_EQ(ReadFile(dir.Path() + "r.bmp"), "previous");
    EXPECT_EQ(Entries(dir.Path()), QStringList({"r.bmp"}));
}

TEST(ResultFile, MovedResultIsCommittedOnceAndCleanedOnce) {
    TestDir dir;
    TResultFile a(dir.Path() + "r.bmp");
    a.Write(QByteArray("x"));
    TResultFile b(std::move(a));
    EXPECT_FALSE(a.IsOpen());
    b.Commit();
    EXPECT_EQ(ReadFile(dir.Path() + "r.bmp"), "x");
}

TEST(ResultFile, FolderInTheWayOrMissingFolderIsACreateError) {
    TestDir dir;
    QDir().mkpath(dir.Path() + "r.bmp");
    TResultFile f(dir.Path() + "r.bmp");
    f.Write(QByteArray("x"));
    try {
        f.Commit();
        FAIL() << "no error";
    } catch (const vexo::EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file " + dir.Path() + "r.bmp");
    }
    EXPECT_EQ(Entries(dir.Path()), QStringList({"r.bmp"}));
    EXPECT_THROW(TResultFile(dir.Path() + "none/r.bmp"), vexo::EFCreateError);
}
