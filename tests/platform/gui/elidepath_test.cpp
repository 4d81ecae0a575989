#include "platform/gui/elidepath.h"

#include <gtest/gtest.h>

using namespace vexo;

namespace {

int Width(const QString& s) {
    return TCanvas().TextWidth(s);
}

} // namespace

TEST(ElidePath, FittingPathIsUnchanged) {
    const QString p = QStringLiteral("/home/user/Images/");
    EXPECT_EQ(ElidePath(p, TCanvas(), Width(p)), p);
}

TEST(ElidePath, LeadingFoldersGiveWayOneByOne) {
    const QString p = QStringLiteral("/home/user/Images/");
    const TCanvas c;
    EXPECT_EQ(ElidePath(p, c, Width(p) - 1), QStringLiteral("/.../user/Images/"));
    EXPECT_EQ(ElidePath(p, c, Width(QStringLiteral("/.../Images/"))),
              QStringLiteral("/.../Images/"));
    EXPECT_EQ(ElidePath(p, c, Width(QStringLiteral("/.../"))), QStringLiteral("/.../"));
    EXPECT_EQ(ElidePath(p, c, Width(QStringLiteral(".../"))), QStringLiteral(".../"));
    EXPECT_EQ(ElidePath(p, c, 1), QString());
}

TEST(ElidePath, FileNameIsNeverCut) {
    const QString p = QStringLiteral("/data/pictures/a-very-long-file-name.bmp");
    EXPECT_EQ(ElidePath(p, TCanvas(), 5), QStringLiteral("a-very-long-file-name.bmp"));
    EXPECT_EQ(
        ElidePath(p, TCanvas(), Width(QStringLiteral("/.../pictures/a-very-long-file-name.bmp"))),
        QStringLiteral("/.../pictures/a-very-long-file-name.bmp"));
}

TEST(ElidePath, HiddenFoldersAreCutWhole) {
    // A folder name starting with "." is not mistaken for an earlier ellipsis.
    const QString p = QStringLiteral("/home/.c/x/y/");
    EXPECT_EQ(ElidePath(p, TCanvas(), Width(p) - 1), QStringLiteral("/.../.c/x/y/"));
    EXPECT_EQ(ElidePath(p, TCanvas(), Width(QStringLiteral("/.../x/y/"))),
              QStringLiteral("/.../x/y/"));
}

TEST(ElidePath, RelativePathsAndNamesOnly) {
    EXPECT_EQ(ElidePath(QStringLiteral("a/b/c.bmp"), TCanvas(), 1), QStringLiteral("c.bmp"));
    EXPECT_EQ(ElidePath(QStringLiteral("c.bmp"), TCanvas(), 1), QStringLiteral("c.bmp"));
    EXPECT_EQ(ElidePath(QString(), TCanvas(), 1), QString());
}
