#include "utils/copyfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/testdir.h"
#include "utilsfixtures.h"

using namespace vexo;

namespace {

class CopyFilesTest : public ::testing::Test {
protected:
    QString P(const QString& relative) const { return dir.Path() + relative; }
    QByteArray N(const QString& relative) const { return QFile::encodeName(P(relative)); }
    bool IsLink(const QString& relative) const { return QFileInfo(P(relative)).isSymLink(); }

    TestDir dir;
    CapturedMessages messages;
};

} // namespace

TEST_F(CopyFilesTest, OneFileKeepsItsPermissionsAndTimes) {
    dir.Write("src/a.txt", "alpha");
    chmod(N("src/a.txt"), 0640);
    const timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    utimensat(AT_FDCWD, N("src/a.txt"), times, 0);

    ASSERT_TRUE(CopyFiles(P("src/a.txt"), P("new/deeper/b.txt"), false));
    EXPECT_EQ(dir.Read("new/deeper/b.txt"), "alpha");
    struct stat st {};
    ASSERT_EQ(stat(N("new/deeper/b.txt"), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
    EXPECT_TRUE(QFileInfo::exists(P("src/a.txt")));
    EXPECT_TRUE(messages.Info.isEmpty());
}

TEST_F(CopyFilesTest, TreeIsCopiedWithEmptyFoldersButWithoutDotNames) {
    QByteArray big(300 * 1024, Qt::Uninitialized); // several blocks, not a multiple of one
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(big.data()), big.size() / 4);
    dir.Write("src/big.bin", big.left(big.size() - 3));
    dir.Write("src/sub/deeper/c.txt", "c");
    dir.Write("src/.hidden", "h");
    QDir().mkpath(P("src/empty"));

    ASSERT_TRUE(CopyFiles(P("src/*.*"), P("dst/*"), false));
    EXPECT_EQ(dir.Read("dst/big.bin"), big.left(big.size() - 3));
    EXPECT_EQ(dir.Read("dst/sub/deeper/c.txt"), "c");
    EXPECT_TRUE(QFileInfo(P("dst/empty")).isDir());
    EXPECT_FALSE(QFileInfo::exists(P("dst/.hidden")));
    EXPECT_EQ(QDir(P("dst")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"big.bin", "empty", "sub"})); // no temporary files left
}

TEST_F(CopyFilesTest, MoveDeletesEachSourceFileAfterItsCopy) {
    dir.Write("src/a.txt", "a");
    dir.Write("src/sub/b.txt", "b");
    ASSERT_TRUE(CopyFiles(P("src/"), P("dst/"), true));
    EXPECT_EQ(dir.Read("dst/a.txt"), "a");
    EXPECT_EQ(dir.Read("dst/sub/b.txt"), "b");
    EXPECT_FALSE(QFileInfo::exists(P("src/a.txt")));
    EXPECT_FALSE(QFileInfo::exists(P("src/sub/b.txt")));
}

TEST_F(CopyFilesTest, LinksInATreeAreCopiedAsLinksAndNeverFollowed) {
    dir.Write("outside/secret.txt", "s");
    dir.Write("src/f.txt", "f");
    ASSERT_EQ(symlink(N("outside"), N("src/out")), 0);
    ASSERT_EQ(symlink("f.txt", N("src/flink")), 0);

    ASSERT_TRUE(CopyFiles(P("src/*"), P("dst/*"), true));
    EXPECT_TRUE(IsLink("dst/out"));
    EXPECT_EQ(QFileInfo(P("dst/out")).symLinkTarget(), P("outside"));
    EXPECT_TRUE(IsLink("dst/flink"));
    EXPECT_EQ(dir.Read("dst/flink"), "f");
    EXPECT_EQ(dir.Read("outside/secret.txt"), "s"); // the move took the link, not its target
    EXPECT_FALSE(IsLink("src/out"));
}

TEST_F(CopyFilesTest, RefusalsShowTheirMessageAndCopyNothing) {
    dir.Write("src/a.txt", "a");
    dir.Write("src/b.txt", "b");
    dir.Write("dst/ro.txt", "old");
    chmod(N("dst/ro.txt"), 0444);
    ASSERT_EQ(link(N("src/a.txt"), N("src/hard.txt")), 0);
    ASSERT_EQ(symlink(N("src"), N("alias")), 0);
    struct Case {
        QString source, destination, message;
    };
    const QList<Case> cases{
        {P("src/a.txt"), P("src/a.txt"), "Try to copy into itself " + P("src/a.txt")},
        {P("src/a.txt"), P("alias/a.txt"), "Try to copy into itself " + P("src/a.txt")},
        {P("src/a.txt"), P("src/hard.txt"), "Try to copy into itself " + P("src/a.txt")},
        {P("src/*.*"), P("src/sub/*"),
         P("src/*.*") + " - Recursive copying. Process is interrupted!"},
        {P("src/*"), P("alias/inner/*"),
         P("src/*") + " - Recursive copying. Process is interrupted!"},
        {P("src/*.txt"), P("dst/one.txt"),
         "Try to copy many files to one " + P("src/*.txt") + "=>" + P("dst/one.txt")},
        {P("src/missing.txt"), P("dst/"), "Not found " + P("src/missing.txt")},
        {P("src/a.txt"), P("dst/ro.txt"), "Open error " + P("dst/ro.txt")},
        {P("src/a.txt"), P("src/a.txt/x"), "Impossible to create " + P("src/a.txt/")},
    };
    for (const Case& c : cases) {
        messages.Info.clear();
        EXPECT_FALSE(CopyFiles(c.source, c.destination, true)) << c.source.toStdString();
        EXPECT_EQ(messages.Info.last(), c.message);
    }
    EXPECT_EQ(dir.Read("src/a.txt"), "a");
    EXPECT_EQ(dir.Read("src/b.txt"), "b");
    EXPECT_EQ(dir.Read("dst/ro.txt"), "old");
    EXPECT_FALSE(QFileInfo::exists(P("dst/one.txt")));
}

TEST_F(CopyFilesTest, AFullDiskLeavesTheFormerTargetIntact) {
    TinyTmpfs disk(P("disk"), 64);
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Reason().toStdString();
    dir.Write("disk/target.bin", QByteArray(1024, 'o'));
    dir.Write("big.bin", QByteArray(256 * 1024, 'n'));

    EXPECT_FALSE(CopyFiles(P("big.bin"), P("disk/target.bin"), true));
    EXPECT_EQ(messages.Info, QStringList{"Write error " + P("disk/target.bin")});
    EXPECT_EQ(dir.Read("disk/target.bin"), QByteArray(1024, 'o'));
    EXPECT_TRUE(QFileInfo::exists(P("big.bin"))); // a failed move keeps its source
    EXPECT_EQ(QDir(P("disk")).entryList(QDir::Files | QDir::Hidden), QStringList{"target.bin"});
}
