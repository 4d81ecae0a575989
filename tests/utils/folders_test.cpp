#include "utils/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/testdir.h"
#include "utilsfixtures.h"

using namespace vexo;

TEST(MakeDirectory, MakesMissingParentsAndAcceptsAnExistingFolder) {
    TestDir dir;
    CapturedMessages messages;
    EXPECT_TRUE(MakeDirectory(dir.Path() + "one/two/three/"));
    EXPECT_TRUE(QFileInfo(dir.Path() + "one/two/three").isDir());
    EXPECT_TRUE(MakeDirectory(dir.Path() + "one/two"));
    EXPECT_TRUE(MakeDirectory("/"));
    EXPECT_TRUE(messages.Info.isEmpty());
}

TEST(MakeDirectory, AFileInTheWayFailsWithTheMessage) {
    TestDir dir;
    CapturedMessages messages;
    dir.Write("file", "x");
    EXPECT_FALSE(MakeDirectory(dir.Path() + "file/"));
    EXPECT_FALSE(MakeDirectory(dir.Path() + "file/sub"));
    EXPECT_EQ(messages.Info,
              QStringList({"Unable to create directory " + dir.Path() + "file",
                           "Unable to create directory " + dir.Path() + "file/sub"}));
}

TEST(ClearDir, DeletesReadOnlyEntriesAndLinksButNothingOutside) {
    TestDir dir;
    const QString root = dir.Path() + "root/";
    dir.Write("outside/keep.txt", "k");
    dir.Write("root/ro.txt", "r");
    dir.Write("root/sub/inner.txt", "i");
    dir.Write("root/sub/deep/d.txt", "d");
    chmod(QFile::encodeName(root + "ro.txt"), 0444);
    chmod(QFile::encodeName(root + "sub/deep"), 0555);
    chmod(QFile::encodeName(root + "sub"), 0555);
    ASSERT_EQ(
        symlink(QFile::encodeName(dir.Path() + "outside"), QFile::encodeName(root + "dirlink")), 0);
    ASSERT_EQ(symlink(QFile::encodeName(dir.Path() + "outside/keep.txt"),
                      QFile::encodeName(root + "sub/filelink")),
              0);
    dir.Write("root/.keep", "hidden entries stay");

    EXPECT_TRUE(ClearDir(root, false));
    EXPECT_EQ(
        QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList({".keep", "sub"}));
    // Without removeFolder, sub-folders are emptied and kept.
    EXPECT_EQ(QDir(root + "sub").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"deep"});
    EXPECT_TRUE(QDir(root + "sub/deep").isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    EXPECT_EQ(dir.Read("outside/keep.txt"), "k");

    EXPECT_FALSE(ClearDir(root, true)); // .keep remains, so the folder cannot go
    EXPECT_TRUE(QFileInfo(root).isDir());
    QFile::remove(root + ".keep");
    EXPECT_TRUE(ClearDir(root, true));
    EXPECT_FALSE(QFileInfo::exists(root));
    EXPECT_FALSE(ClearDir(root, true));
    EXPECT_EQ(dir.Read("outside/keep.txt"), "k");
}
