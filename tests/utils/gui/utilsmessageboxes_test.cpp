#include "utils/gui/utilsmessageboxes.h"

#include <QFile>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "platform/gui/application.h"
#include "support/testdir.h"
#include "utils/folders.h"
#include "utils/textfiles.h"

using namespace vexo;

TEST(UtilsMessageBoxes, FileRoutinesReportInMessageBoxes) {
    InstallUtilsMessageBoxes();
    QList<QPair<QMessageBox::Icon, QString>> shown;
    Application()->MessageBoxHook = [&](QMessageBox& box) {
        shown << qMakePair(box.icon(), box.text());
        return int(QMessageBox::Ok);
    };
    TestDir dir;
    dir.Write("file", "x");
    EXPECT_FALSE(MakeDirectory(dir.Path() + "file"));
    QFile::setPermissions(dir.Path() + "file", QFileDevice::ReadOwner);
    EXPECT_FALSE(StrToTextFile(dir.Path() + "file", "text"));
    Application()->MessageBoxHook = nullptr;

    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0],
              qMakePair(QMessageBox::NoIcon, "Unable to create directory " + dir.Path() + "file"));
    EXPECT_EQ(shown[1].first, QMessageBox::Critical);
    EXPECT_EQ(shown[1].second, "Cannot create file " + dir.Path() + "file (the file is read-only)");
}
