#include "utils/filesearch.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/testdir.h"

using namespace vexo;

namespace {

struct SearchCase {
    const char* mask;
    int attributes;
    QStringList expected; // empty: nothing found, the list keeps its line
};

class FilesToStringsTest : public ::testing::TestWithParam<SearchCase> {
protected:
    static void SetUpTestSuite() {
        dir = new TestDir;
        for (const char* name : {"a.txt", "B.TXT", ".hidden", "sub/inner.txt", "ro.txt"})
            dir->Write(name, "x");
        chmod(QFile::encodeName(dir->Path() + "ro.txt"), 0444);
        mkfifo(QFile::encodeName(dir->Path() + "fifo"), 0600);
    }
    static void TearDownTestSuite() { delete dir; }
    static TestDir* dir;
};

TestDir* FilesToStringsTest::dir = nullptr;

} // namespace

TEST_P(FilesToStringsTest, FindsTheEntriesTheAttributesAdmit) {
    TStringList list;
    list.Add("former");
    FilesToStrings(&list, dir->Path() + GetParam().mask, GetParam().attributes);
    const QStringList expected =
        GetParam().expected.isEmpty() ? QStringList{"former"} : GetParam().expected;
    EXPECT_EQ(list.ToStringList(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FilesToStringsTest,
    ::testing::Values(SearchCase{"*.*", 0, {"a.txt", "B.TXT", "ro.txt"}},
                      SearchCase{"*.TxT", faReadOnly | faArchive, {"a.txt", "B.TXT", "ro.txt"}},
                      SearchCase{"*", faDirectory, {"a.txt", "B.TXT", "ro.txt", "sub"}},
                      SearchCase{"*", faHidden, {".hidden", "a.txt", "B.TXT", "ro.txt"}},
                      SearchCase{"*", faSysFile, {"a.txt", "B.TXT", "fifo", "ro.txt"}},
                      SearchCase{
                          "*", faAnyFile, {".hidden", "a.txt", "B.TXT", "fifo", "ro.txt", "sub"}},
                      SearchCase{"?.txt", faAnyFile, {"a.txt", "B.TXT"}},
                      SearchCase{"sub", faDirectory, {"sub"}}, SearchCase{"sub", 0, {}},
                      SearchCase{"*", faVolumeID, {}}, SearchCase{"none*", faAnyFile, {}}));

TEST(AllFilesFound, EveryNameMustBeAFileInTheFolder) {
    TestDir dir;
    dir.Write("a.txt", "x");
    dir.Write("sub/b.txt", "x");
    const QString folder = dir.Path().chopped(1); // the "/" is added
    EXPECT_TRUE(AllFilesFound(folder, {}));
    EXPECT_TRUE(AllFilesFound(folder, {"a.txt", "sub/b.txt"}));
    EXPECT_FALSE(AllFilesFound(folder, {"a.txt", "missing.txt"}));
    EXPECT_FALSE(AllFilesFound(folder, {"sub"}));
}
