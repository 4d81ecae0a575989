#include "utils/paths.h"

#include <gtest/gtest.h>

#include "support/testdir.h"

using namespace vexo;

TEST(Paths, NormalDirAddsOneTrailingSeparator) {
    EXPECT_EQ(NormalDir(QString()), QString());
    EXPECT_EQ(NormalDir("/tmp"), "/tmp/");
    EXPECT_EQ(NormalDir("/tmp/"), "/tmp/");
}

TEST(Paths, ExtractFileNameOnlyCutsFromTheLastDot) {
    EXPECT_EQ(ExtractFileNameOnly("/a.b/c.tar.gz"), "c.tar");
    EXPECT_EQ(ExtractFileNameOnly("noext"), "noext");
    EXPECT_EQ(ExtractFileNameOnly("/dir.x/"), "");
}

TEST(Paths, RunDirAndDefaultNamesComeFromTheExecutable) {
    EXPECT_TRUE(GetRunDir().endsWith('/'));
    EXPECT_TRUE(DirectoryExists(GetRunDir()));
    EXPECT_EQ(DefaultName(), "utils_tests");
    EXPECT_EQ(DefaultIniName(), GetRunDir() + "utils_tests.ini");
}

TEST(Paths, DirectoryExistsWithOrWithoutTrailingSeparator) {
    TestDir dir;
    dir.Write("sub/file.txt", "x");
    EXPECT_FALSE(DirectoryExists(QString()));
    EXPECT_TRUE(DirectoryExists(dir.Path() + "sub"));
    EXPECT_TRUE(DirectoryExists(dir.Path() + "sub/"));
    EXPECT_FALSE(DirectoryExists(dir.Path() + "missing/"));
    EXPECT_FALSE(DirectoryExists(dir.Path() + "sub/file.txt"));
}

TEST(Paths, FileExistsIgnoresFoldersAndTakesWildcards) {
    TestDir dir;
    dir.Write("a.bmp", "x");
    dir.Write("pictures.bmp/inner.txt", "x");
    EXPECT_TRUE(FileExists(dir.Path() + "a.bmp"));
    EXPECT_FALSE(FileExists(dir.Path() + "pictures.bmp"));
    EXPECT_TRUE(FileExists(dir.Path() + "*.bmp"));
    EXPECT_FALSE(FileExists(dir.Path() + "pic*.bmp"));
    EXPECT_FALSE(FileExists(dir.Path() + "missing.bmp"));
    EXPECT_FALSE(FileExists(QString()));
}
