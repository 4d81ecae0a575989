#include "app/progressbar.h"

#include <gtest/gtest.h>

using namespace varnova;

TEST(ProgressLine, ShowsFilesLeftWithoutRateBeforeTheFirstFile) {
    EXPECT_EQ(ProgressLine(0, 200, 0.0), "[--------------------]  200 left");
}

TEST(ProgressLine, ShowsRateAndTimeLeft) {
    // 50 of 200 in 2 s: 25 files/s, 150 left -> 6 s.
    EXPECT_EQ(ProgressLine(50, 200, 2.0),
              "[#####---------------]  150 left    25.0 files/s  ETA 0:06");
    // Minutes and zero-padded seconds.
    EXPECT_EQ(ProgressLine(1, 126, 1.0),
              "[--------------------]  125 left     1.0 files/s  ETA 2:05");
}

TEST(ProgressLine, FullBarAtTheEndAndNoNegativeCounts) {
    EXPECT_TRUE(ProgressLine(10, 10, 1.0).startsWith("[####################]    0 left"));
    EXPECT_TRUE(ProgressLine(12, 10, 1.0).startsWith("[####################]    0 left"));
}

TEST(ProgressBar, StaysSilentWhenTheStreamIsNoTerminal) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    {
        TProgressBar bar(file, true);
        EXPECT_FALSE(bar.Active());
        bar.Start(3);
        bar.Update(3);
    }
    EXPECT_EQ(std::ftell(file), 0);
    std::fclose(file);
}
