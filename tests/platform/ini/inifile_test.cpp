#include "platform/ini/inifile.h"

#include <QFile>
#include <array>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

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

// What the classic private-profile routines make of lines that a naive reader gets wrong: each
// row is a file, an optional write, the file after it (nullptr: the write is refused and the
// file left alone) and values read back from it.
struct ClassicCase {
    const char* label;
    const char* before;
    std::array<const char*, 3> write; // section, key, value; no section for a read-only row
    const char* after;
    std::vector<std::array<const char*, 3>> reads; // section, key, value ("<def>" = default)
};

void PrintTo(const ClassicCase& c, std::ostream* os) {
    *os << c.label;
}

class IniClassic : public ::testing::TestWithParam<ClassicCase> {};

TEST_P(IniClassic, FileBytesAndValuesAfterTheOperation) {
    const ClassicCase& c = GetParam();
    const auto& [section, key, value] = c.write;
    TestDir dir;
    dir.Write("a.ini", c.before);
    TIniFile ini(dir.File("a.ini"));
    if (section && !c.after) {
        try {
            ini.WriteString(section, key, value);
            ADD_FAILURE() << "key accepted";
        } catch (const EIniFileException& e) {
            const QString quoted = QStringLiteral("\"%1\"").arg(QString(key).trimmed());
            EXPECT_TRUE(e.Message().contains(quoted)) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains(dir.File("a.ini")));
        }
    } else if (section) {
        ini.WriteString(section, key, value);
    }
    EXPECT_EQ(dir.Read("a.ini"), QByteArray(c.after ? c.after : c.before));
    for (const auto& [s, k, v] : c.reads)
        EXPECT_EQ(ini.ReadString(s, k, "<def>"), QString(v)) << s << "/" << k;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Quotes, IniClassic, ::testing::Values(
    ClassicCase{"ReadStripsOnePair",
                "[S]\ndq=\"double\"\nsq='single'\npad=  \"  padded  \"  \nnested=\"\"x\"\"\n"
                "half=\"half\nmixed=\"x'\none=\"\ninner=a \"b\" c\n", {}, nullptr,
                {{"S", "dq", "double"}, {"S", "sq", "single"}, {"S", "pad", "  padded  "},
                 {"S", "nested", "\"x\""}, {"S", "half", "\"half"}, {"S", "mixed", "\"x'"},
                 {"S", "one", "\""}, {"S", "inner", "a \"b\" c"}}},
    ClassicCase{"WriteKeepsThem", "[S]\n", {"S", "dq", "\"double\""}, "[S]\ndq=\"double\"\n",
                {{"S", "dq", "double"}}}),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(Headers, IniClassic, ::testing::Values(
    ClassicCase{"OpenBracketWithoutCloseIsAKey", "[S]\n[x=1\nk=2\n", {"S", "k", "3"},
                "[S]\n[x=1\nk=3\n", {{"S", "[x", "1"}, {"S", "k", "3"}, {"[x", "k", "<def>"}}},
    ClassicCase{"NameRunsToTheLastBracket", "[a]b]\nk=1\n", {"a]b", "k", "2"}, "[a]b]\nk=2\n",
                {{"a]b", "k", "2"}, {"a", "k", "<def>"}}},
    ClassicCase{"SectionWithBracketIsFoundAgain", "[a]b]\nk=1\n", {"A]B", "j", "2"},
                "[a]b]\nk=1\nj=2\n", {{"a]b", "j", "2"}}},
    ClassicCase{"TextAfterTheLastBracketIsIgnored", "[a] ; note\nk=1\n", {"a", "k", "2"},
                "[a] ; note\nk=2\n", {{"a", "k", "2"}}}),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(RefusedKeys, IniClassic, ::testing::Values(
    ClassicCase{"Semicolon", "[S]\nk=1\n", {"S", ";c", "v"}, nullptr, {{"S", ";c", "<def>"}}},
    ClassicCase{"Hash", "[S]\nk=1\n", {"S", " #c", "v"}, nullptr, {{"S", "#c", "<def>"}}},
    ClassicCase{"OpenBracket", "[S]\nk=1\n", {"S", "[c", "v]"}, nullptr, {{"S", "[c", "<def>"}}},
    ClassicCase{"EqualsSign", "[S]\nk=1\n", {"S", "k=x", "v"}, nullptr, {{"S", "k", "1"}}},
    ClassicCase{"Blank", "[S]\nk=1\n", {"S", "  ", "v"}, nullptr, {{"S", "k", "1"}}}),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(BareKeys, IniClassic, ::testing::Values(
    ClassicCase{"ReadGivesTheDefaultAndStopsThere", "[S]\nname3\nname3=x\n", {}, nullptr,
                {{"S", "name3", "<def>"}}},
    ClassicCase{"WriteFillsTheLine", "[S]\nname3\nother=1\n", {"S", "NAME3", "x"},
                "[S]\nNAME3=x\nother=1\n", {{"S", "name3", "x"}, {"S", "other", "1"}}},
    ClassicCase{"WriteKeepsTheLineEnd", "[S]\r\n  name3  \r\nz=1", {"S", "name3", "x"},
                "[S]\r\nname3=x\r\nz=1", {{"S", "name3", "x"}}}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(IniClassicKeys, BareKeysAreListedRenamedAndDeleted) {
    TestDir dir;
    dir.Write("a.ini", "[S]\nbare\nk=\"q\"\n");
    TIniFile ini(dir.File("a.ini"));
    TStringList list;
    ini.ReadSection("S", list);
    EXPECT_EQ(list.ToStringList(), (QStringList{"bare", "k"}));
    ini.ReadSectionValues("S", list);
    EXPECT_EQ(list.ToStringList(), (QStringList{"bare", "k=\"q\""}));
    EXPECT_TRUE(ini.ValueExists("S", "BARE"));
    ini.RenameKey("S", "bare", "naked");
    EXPECT_EQ(dir.Read("a.ini"), "[S]\nnaked\nk=\"q\"\n");
    EXPECT_THROW(ini.RenameKey("S", "naked", ";hidden"), EIniFileException);
    ini.DeleteKey("S", "naked");
    EXPECT_EQ(dir.Read("a.ini"), "[S]\nk=\"q\"\n");
}

// A file holding every case: rewriting each value as the section read gives it changes no byte,
// and a copy made through the section read reads back the same values.
TEST(IniClassicKeys, RoundTripOfEveryCase) {
    const QByteArray original = "; every case\r\n"
                                "[S]\r\n"
                                "dq=\"double\"\r\n"
                                "sq='single'\r\n"
                                "pad=\"  padded  \"\r\n"
                                "[x=1\r\n"
                                "name3\r\n"
                                "plain=v\r\n"
                                "[a]b]\r\n"
                                "k=1\r\n";
    const std::vector<std::array<const char*, 3>> values = {
        {"S", "dq", "double"}, {"S", "sq", "single"},   {"S", "pad", "  padded  "},
        {"S", "[x", "1"},      {"S", "name3", "<def>"}, {"S", "plain", "v"},
        {"a]b", "k", "1"}};
    TestDir dir;
    dir.Write("a.ini", original);
    TIniFile ini(dir.File("a.ini"));
    TIniFile copy(dir.File("copy.ini"));
    TStringList sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections.ToStringList(), (QStringList{"S", "a]b"}));
    for (int s = 0; s < sections.Count(); ++s) {
        TStringList lines;
        ini.ReadSectionValues(sections.Strings(s), lines);
        for (int i = 0; i < lines.Count(); ++i) {
            const QString line = lines.Strings(i);
            const qsizetype eq = line.indexOf('=', 1); // "[x=1" has its "=" after the key
            if (eq < 0)
                continue; // a bare key has no value to write
            if (line.startsWith('[')) {
                EXPECT_THROW(ini.WriteString(sections.Strings(s), line.left(eq), line.mid(eq + 1)),
                             EIniFileException);
                continue;
            }
            ini.WriteString(sections.Strings(s), line.left(eq), line.mid(eq + 1));
            copy.WriteString(sections.Strings(s), line.left(eq), line.mid(eq + 1));
        }
    }
    EXPECT_EQ(dir.Read("a.ini"), original);
    for (const auto& [section, key, value] : values) {
        EXPECT_EQ(ini.ReadString(section, key, "<def>"), QString(value)) << key;
        if (QString(key) != "[x") {
            EXPECT_EQ(copy.ReadString(section, key, "<def>"), QString(value)) << key;
        }
    }
    ini.WriteString("S", "name3", "now");
    QByteArray expected = original;
    expected.replace("name3\r\n", "name3=now\r\n");
    EXPECT_EQ(dir.Read("a.ini"), expected);
}
