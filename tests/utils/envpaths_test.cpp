#include "utils/envpaths.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/testdir.h"
#include "utils/paths.h"
#include "utilsfixtures.h"

using namespace vexo;

TEST(EnvPaths, TempFolderIsTmpdirWhenItIsAnExistingAbsoluteFolder) {
    TestDir dir;
    {
        ScopedEnv tmpdir("TMPDIR", dir.Path().chopped(1).toLocal8Bit());
        EXPECT_EQ(GetPathToTemp(), dir.Path());
    }
    for (const QByteArray& unusable :
         {QByteArray(), QByteArray("relative"), (dir.Path() + "missing").toLocal8Bit()}) {
        ScopedEnv tmpdir("TMPDIR", unusable);
        EXPECT_EQ(GetPathToTemp(), "/tmp/");
    }
}

TEST(EnvPaths, LocalTempIsThisUsersPrivateFolderOnEveryCall) {
    TestDir dir;
    ScopedEnv tmpdir("TMPDIR", dir.Path().toLocal8Bit());
    const QString expected = dir.Path() + DefaultName() + "-" + QString::number(getuid()) + "/";
    EXPECT_EQ(GetPathToLocalTemp(), expected);
    chmod(QFile::encodeName(expected), 0755);
    EXPECT_EQ(GetPathToLocalTemp(), expected);
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(expected), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(EnvPaths, LocalTempRefusesANameTakenByALinkOrAnotherUser) {
    TestDir dir;
    ScopedEnv tmpdir("TMPDIR", dir.Path().toLocal8Bit());
    const QByteArray name =
        QFile::encodeName(dir.Path() + DefaultName() + "-" + QString::number(getuid()));
    ASSERT_EQ(symlink(QFile::encodeName(dir.Path()), name), 0);
    EXPECT_EQ(GetPathToLocalTemp(), QString());
    unlink(name);
    ASSERT_EQ(mkdir(name, 0700), 0);
    if (chown(name, 65534, 65534) != 0)
        GTEST_SKIP() << "cannot give a folder to another user here";
    EXPECT_EQ(GetPathToLocalTemp(), QString());
}

TEST(EnvPaths, ShortNameIsThePathAndVariablesAreFoundInAnyCase) {
    EXPECT_EQ(GetShortFileName("/some/Long Name.text"), "/some/Long Name.text");
    ScopedEnv upper("VEXO_TEST_VAR", "upper");
    ScopedEnv mixed("Vexo_Mixed", "mixed");
    EXPECT_EQ(GetEnvVar("vexo_test_var"), "upper");
    EXPECT_EQ(GetEnvVar("Vexo_Mixed"), "mixed");
    EXPECT_EQ(GetEnvVar("VEXO_NOT_SET_AT_ALL"), QString());
    EXPECT_EQ(GetEnvVar("A=B"), QString());
}
