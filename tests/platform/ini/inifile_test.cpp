#include "platform/ini/inifile.h"

#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/runtime/stringlist.h"
#include "support/testdir.h"

using namespace vexo;

TEST(IniFileRead, MissingFileSectionOrKeyGiveTheDefault) {
    TestDir dir;
    TIniFile ini(dir.File("none.ini"));
    EXPECT_EQ(ini.ReadString("S", "K", "def"), "def");
    dir.Write("a.ini", "[S]\nK=v\n");
    TIniFile a(dir.File("a.ini"));
    EXPECT_EQ(a.ReadString("T", "K", "def"), "def");
    EXPECT_EQ(a.ReadString("S", "L", "def"), "def");
    EXPECT_EQ(a.ReadString("S", "K", "def"), "v");
}

TEST(IniFileRead, SectionsAndKeysInAnyLetterCaseAndTrimmed) {
    TestDir dir;
    dir.Write("a.ini",
              "  [ Main ]  \n  Key One  =  some value  \n;Key=comment\n[main]\nKey One=second\n");
    TIniFile ini(dir.File("a.ini"));
    EXPECT_EQ(ini.ReadString("MAIN", "key one", ""), "some value");
    EXPECT_EQ(ini.ReadString("Main", ";Key", "none"), "none");
    EXPECT_TRUE(ini.SectionExists("main"));
    EXPECT_TRUE(ini.ValueExists("Main", "KEY ONE"));
    EXPECT_FALSE(ini.ValueExists("Main", "Key"));
}

TEST(IniFileRead, ValuesAreCutAt2047Characters) {
    TestDir dir;
    TIniFile ini(dir.File("a.ini"));
    ini.WriteString("S", "Long", QString(3000, 'x'));
    EXPECT_EQ(ini.ReadString("S", "Long", "").size(), 2047);
}

TEST(IniFileRead, IntegersAndBooleans) {
    TestDir dir;
    dir.Write("a.ini", "[S]\nA=42\nB=$FF\nC=abc\nD=-7\nE=0\nF=2\n");
    TIniFile ini(dir.File("a.ini"));
    EXPECT_EQ(ini.ReadInteger("S", "A", 0), 42);
    EXPECT_EQ(ini.ReadInteger("S", "B", 0), 255);
    EXPECT_EQ(ini.ReadInteger("S", "C", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "D", 0), -7);
    EXPECT_EQ(ini.ReadInteger("S", "X", 9), 9);
    EXPECT_FALSE(ini.ReadBool("S", "E", true));
    EXPECT_TRUE(ini.ReadBool("S", "F", false));
    EXPECT_TRUE(ini.ReadBool("S", "X", true));
    ini.WriteBool("S", "G", true);
    ini.WriteInteger("S", "H", -12);
    EXPECT_EQ(ini.ReadString("S", "G", ""), "1");
    EXPECT_EQ(ini.ReadString("S", "H", ""), "-12");
}

TEST(IniFileWrite, NewFileAndNewSectionAndNewKey) {
    TestDir dir;
    TIniFile ini(dir.File("a.ini"));
    ini.WriteString("One", "A", "1");
    ini.WriteString("Two", "B", "2");
    ini.WriteString("One", "C", "3");
    EXPECT_EQ(dir.Read("a.ini"), "[One]\nA=1\nC=3\n[Two]\nB=2\n");
}

TEST(IniFileWrite, HandEditedFileKeepsEverythingButTheWrittenKeys) {
    TestDir dir;
    const QByteArray original = "; settings written by hand\n"
                                "\n"
                                "[Other]\n"
                                "  spaced   =   value with  blanks  \n"
                                "# hash comment\n"
                                "\n"
                                "[Form1]\n"
                                "Left = 10\n"
                                "; keep me\n"
                                "Top=20\n"
                                "\n"
                                "\n"
                                "[Last]\n"
                                "x=y";
    dir.Write("a.ini", original);
    TIniFile ini(dir.File("a.ini"));
    ini.WriteString("form1", "LEFT", "11");
    ini.WriteString("Form1", "Width", "300");
    EXPECT_EQ(dir.Read("a.ini"), "; settings written by hand\n"
                                 "\n"
                                 "[Other]\n"
                                 "  spaced   =   value with  blanks  \n"
                                 "# hash comment\n"
                                 "\n"
                                 "[Form1]\n"
                                 "LEFT=11\n"
                                 "; keep me\n"
                                 "Top=20\n"
                                 "Width=300\n"
                                 "\n"
                                 "\n"
                                 "[Last]\n"
                                 "x=y");
    ini.WriteString("New", "k", "v");
    EXPECT_TRUE(dir.Read("a.ini").endsWith("[Last]\nx=y\n[New]\nk=v\n"));
}

TEST(IniFileWrite, CrLfLinesAndByteOrderMarkArePreserved) {
    TestDir dir;
    dir.Write("a.ini", "\xEF\xBB\xBF[S]\r\nA=1\r\n");
    TIniFile ini(dir.File("a.ini"));
    EXPECT_EQ(ini.ReadString("S", "A", ""), "1");
    ini.WriteString("S", "B", "2");
    EXPECT_EQ(dir.Read("a.ini"), "\xEF\xBB\xBF[S]\r\nA=1\r\nB=2\r\n");
}

TEST(IniFileWrite, NonUtf8LinesSurviveUntouched) {
    TestDir dir;
    const QByteArray legacy = "[S]\nName=\xCF\xF0\xE8\xE2\xE5\xF2\n"; // Windows-1251 bytes
    dir.Write("a.ini", legacy);
    TIniFile ini(dir.File("a.ini"));
    ini.WriteString("S", "Other", "\u041F");
    EXPECT_EQ(dir.Read("a.ini"), legacy + "Other=\xD0\x9F\n");
}

TEST(IniFileWrite, LineBreaksInValuesCannotSplitTheLine) {
    TestDir dir;
    TIniFile ini(dir.File("a.ini"));
    ini.WriteString("S", "A", "one\ntwo\r\n[Evil]");
    EXPECT_EQ(ini.ReadString("S", "A", ""), "one two [Evil]");
    EXPECT_FALSE(ini.SectionExists("Evil"));
}

TEST(IniFileWrite, FailedWriteRaisesNamingTheFile) {
    TestDir dir;
    const QString name = dir.Path() + "missing/folder/a.ini";
    TIniFile ini(name);
    try {
        ini.WriteString("S", "A", "1");
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + name);
    }
}

TEST(IniFileWrite, UnreadableFileIsNotOverwritten) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    TestDir dir;
    dir.Write("a.ini", "[S]\nA=1\n");
    QFile::setPermissions(dir.File("a.ini"), QFileDevice::WriteOwner);
    TIniFile ini(dir.File("a.ini"));
    EXPECT_THROW(ini.WriteString("S", "B", "2"), EIniFileException);
    QFile::setPermissions(dir.File("a.ini"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(dir.Read("a.ini"), "[S]\nA=1\n");
}

TEST(IniFileSections, ReadSectionsKeysAndValues) {
    TestDir dir;
    dir.Write("a.ini", "[A]\nx=1\n; c\ny = 2\n[B]\n[A.sub]\nz=3\n");
    TIniFile ini(dir.File("a.ini"));
    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(list.ToStringList(), (QStringList{"A", "B", "A.sub"}));
    ini.ReadSection("a", list);
    EXPECT_EQ(list.ToStringList(), (QStringList{"x", "y"}));
    ini.ReadSectionValues("A", list);
    EXPECT_EQ(list.ToStringList(), (QStringList{"x=1", "y=2"}));
    ini.ReadSection("none", list);
    EXPECT_EQ(list.Count(), 0);
}

TEST(IniFileSections, EraseSectionAndDeleteKey) {
    TestDir dir;
    dir.Write("a.ini", "[A]\nx=1\n; about A\n[B]\ny=2\nw=3\n[a]\nq=1\n");
    TIniFile ini(dir.File("a.ini"));
    ini.EraseSection("A");
    EXPECT_EQ(dir.Read("a.ini"), "[B]\ny=2\nw=3\n");
    ini.DeleteKey("b", "Y");
    EXPECT_EQ(dir.Read("a.ini"), "[B]\nw=3\n");
    ini.DeleteKey("B", "none");
    ini.EraseSection("none");
    EXPECT_EQ(dir.Read("a.ini"), "[B]\nw=3\n");
}
