#include "utils/textfiles.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/testdir.h"
#include "utilsfixtures.h"

using namespace vexo;

TEST(TextFiles, LinesAreWrittenWithLinuxLineEndsAndReadBack) {
    TestDir dir;
    CapturedMessages messages;
    ASSERT_TRUE(StrToTextFile(dir.Path() + "t.txt", QString::fromUtf8("один\r\ntwo\rthree\n")));
    EXPECT_EQ(dir.Read("t.txt"), QString::fromUtf8("один\ntwo\nthree\n").toUtf8());
    EXPECT_EQ(TextFileToStr(dir.Path() + "t.txt"), QString::fromUtf8("один\ntwo\nthree\n"));
    dir.Write("last.txt", "no line end");
    EXPECT_EQ(TextFileToStr(dir.Path() + "last.txt"), "no line end\n");
    EXPECT_EQ(TextFileToStr(dir.Path() + "missing.txt"), QString());
    EXPECT_TRUE(messages.Error.isEmpty());
}

TEST(TextFiles, FailuresKeepTheFormerFile) {
    TestDir dir;
    CapturedMessages messages;
    EXPECT_FALSE(StrToTextFile(dir.Path() + "missing/t.txt", "x"));
    EXPECT_TRUE(messages.Error.isEmpty()); // a missing folder is no message

    dir.Write("ro.txt", "old");
    chmod(QFile::encodeName(dir.Path() + "ro.txt"), 0444);
    EXPECT_FALSE(StrToTextFile(dir.Path() + "ro.txt", "new"));
    EXPECT_EQ(dir.Read("ro.txt"), "old");
    ASSERT_EQ(messages.Error.size(), 1);
    EXPECT_TRUE(messages.Error[0].startsWith("Cannot create file " + dir.Path() + "ro.txt"));

    TinyTmpfs disk(dir.Path() + "disk", 64);
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Reason().toStdString();
    dir.Write("disk/t.txt", "old");
    EXPECT_FALSE(StrToTextFile(dir.Path() + "disk/t.txt", QString(200 * 1024, 'n')));
    EXPECT_EQ(dir.Read("disk/t.txt"), "old");
    ASSERT_EQ(messages.Error.size(), 2);
    EXPECT_TRUE(messages.Error[1].startsWith("Cannot write file " + dir.Path() + "disk/t.txt"));
}
