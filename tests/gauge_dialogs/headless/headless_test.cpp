#include <gtest/gtest.h>

#include "gauge_dialogs/inputdialogs.h"
#include "gauge_dialogs/messageboxes.h"
#include "gauge_dialogs/messagedialog.h"

using namespace vexo;

// The command line has no widget application: no dialog may open a window there.
TEST(HeadlessDialogs, WriteTheirTextToStandardErrorAndCancel) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageDlg("Disk full", mtError, {mbOK}, 0), 2);
    bool checked = true;
    EXPECT_EQ(MessageCheckDlg("Replace?", mtWarning, {mbYes, mbNo}, 0, "Always", checked), 2);
    EXPECT_TRUE(checked);
    QString value = "kept";
    EXPECT_FALSE(InputQuery("Name", "Enter a name:", value));
    EXPECT_EQ(value, "kept");
    EXPECT_FALSE(YesNoMsg("Overwrite?"));
    const std::string err = testing::internal::GetCapturedStderr();
    for (const char* text : {"Disk full", "Replace?", "Enter a name:", "Overwrite?"})
        EXPECT_NE(err.find(text), std::string::npos) << text;
}
