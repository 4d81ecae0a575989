#include "utils/numutils.h"

#include <gtest/gtest.h>
#include <limits>

using namespace vexo;

TEST(NumRound, HalvesGoAwayFromZero) {
    EXPECT_EQ(Round(2.5L), 3);
    EXPECT_EQ(Round(-2.5L), -3);
    EXPECT_EQ(Round(2.4999L), 2);
    EXPECT_EQ(Round(-0.3L), 0);
    EXPECT_EQ(Round(0.0L), 0);
}

TEST(NumRound, OutOfRangeSaturates) {
    EXPECT_EQ(Round(1e12L), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Round(-1e12L), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Round(std::numeric_limits<long double>::quiet_NaN()), 0);
}

struct WRoundCase {
    double value;
    int digits;
    double expected;
};

void PrintTo(const WRoundCase& c, std::ostream* os) {
    *os << c.value << "/" << c.digits;
}

class WRoundTable : public ::testing::TestWithParam<WRoundCase> {};

TEST_P(WRoundTable, Rounds) {
    EXPECT_DOUBLE_EQ(WRound(GetParam().value, GetParam().digits), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, WRoundTable,
    ::testing::Values(WRoundCase{1234.5678, 2, 1234.57}, WRoundCase{1234.5678, 0, 1235},
                      WRoundCase{1234.5678, -2, 1200}, WRoundCase{1250, -2, 1300},
                      WRoundCase{-1250, -2, -1300}, WRoundCase{1234.5678, -1, 1230},
                      WRoundCase{-1234.5678, -3, -1000}, WRoundCase{499, -3, 0},
                      WRoundCase{-2.5, 0, -3}, WRoundCase{-0.125, 2, -0.13},
                      WRoundCase{123456789.126, 2, 123456789.13}));

TEST(NumHelpers, MinMax) {
    EXPECT_EQ(GetMax(3, -4), 3);
    EXPECT_EQ(GetMin(3, -4), -4);
}

TEST(NumHelpers, Swaps) {
    int a = 1, b = 2;
    SwapInteger(a, b);
    EXPECT_EQ(std::pair(a, b), std::pair(2, 1));
    std::int32_t c = -5, d = 7;
    SwapLongInt(c, d);
    EXPECT_EQ(std::pair(c, d), std::pair(7, -5));
    double x = 1.5, y = -2.5;
    SwapDouble(x, y);
    EXPECT_EQ(std::pair(x, y), std::pair(-2.5, 1.5));
    char p[] = "abcd", q[] = "wxyz";
    Swap(p, q, 3);
    EXPECT_STREQ(p, "wxyd");
    EXPECT_STREQ(q, "abcz");
    Swap(p, nullptr, 3);
    Swap(p, q, 0);
    EXPECT_STREQ(p, "wxyd");
}

TEST(NumHelpers, SmallToPointSignExtends) {
    EXPECT_EQ(SmallToPoint(0x00020001), (TPoint{1, 2}));
    EXPECT_EQ(SmallToPoint(0xFFFEFFFF), (TPoint{-1, -2}));
    EXPECT_EQ(SmallToPoint(0x80007FFF), (TPoint{32767, -32768}));
}
