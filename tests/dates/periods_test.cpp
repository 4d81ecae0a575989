#include "dates/periods.h"

#include <gtest/gtest.h>

#include "support/fixedclock.h"

using namespace vexo;

namespace {

struct Bounds {
    TDateTime d1 = -1, d2 = -1;
};

template <typename F> Bounds On(TDateTime today, F period) {
    FixedClock clock(today + 0.6); // an afternoon: the bounds still start at midnight
    Bounds b;
    period(b.d1, b.d2);
    return b;
}

} // namespace

TEST(PeriodDay, TodayAndTomorrow) {
    const Bounds b = On(EncodeDate(2004, 12, 31), GetDatesOnDay);
    EXPECT_EQ(b.d1, EncodeDate(2004, 12, 31));
    EXPECT_EQ(b.d2, EncodeDate(2005, 1, 1));
}

TEST(PeriodWeek, MondayToSunday) {
    // 7 March 2004 was a Sunday.
    Bounds b = On(EncodeDate(2004, 3, 7), GetDatesOnWeek);
    EXPECT_EQ(b.d1, EncodeDate(2004, 3, 1));
    EXPECT_EQ(b.d2, EncodeDate(2004, 3, 7));
    b = On(EncodeDate(2004, 3, 1), GetDatesOnWeek);
    EXPECT_EQ(b.d1, EncodeDate(2004, 3, 1));
    EXPECT_EQ(b.d2, EncodeDate(2004, 3, 7));
    b = On(EncodeDate(2004, 1, 1), GetDatesOnWeek); // a Thursday, week across the year
    EXPECT_EQ(b.d1, EncodeDate(2003, 12, 29));
    EXPECT_EQ(b.d2, EncodeDate(2004, 1, 4));
}

TEST(PeriodMonth, FirstDayToFirstOfNext) {
    Bounds b = On(EncodeDate(2004, 12, 15), GetDatesOnMonth);
    EXPECT_EQ(b.d1, EncodeDate(2004, 12, 1));
    EXPECT_EQ(b.d2, EncodeDate(2005, 1, 1));
    b = On(EncodeDate(2004, 2, 29), GetDatesOnMonth);
    EXPECT_EQ(b.d1, EncodeDate(2004, 2, 1));
    EXPECT_EQ(b.d2, EncodeDate(2004, 3, 1));
}

struct QuarterCase {
    int month;
    int firstMonth;
};

void PrintTo(const QuarterCase& c, std::ostream* os) {
    *os << "month " << c.month;
}

class PeriodQuarter : public ::testing::TestWithParam<QuarterCase> {};

TEST_P(PeriodQuarter, StartsInTheQuartersFirstMonth) {
    const Bounds b = On(EncodeDate(2004, GetParam().month, 20), GetDatesOnQuarter);
    const int first = GetParam().firstMonth;
    EXPECT_EQ(b.d1, EncodeDate(2004, first, 1));
    EXPECT_EQ(b.d2, first == 10 ? EncodeDate(2005, 1, 1) : EncodeDate(2004, first + 3, 1));
}

INSTANTIATE_TEST_SUITE_P(Months, PeriodQuarter,
                         ::testing::Values(QuarterCase{1, 1}, QuarterCase{3, 1}, QuarterCase{4, 4},
                                           QuarterCase{6, 4}, QuarterCase{7, 7}, QuarterCase{9, 7},
                                           QuarterCase{10, 10}, QuarterCase{11, 10},
                                           QuarterCase{12, 10}));

TEST(PeriodYear, FirstOfJanuaryToNext) {
    const Bounds b = On(EncodeDate(2004, 11, 30), GetDatesOnYear);
    EXPECT_EQ(b.d1, EncodeDate(2004, 1, 1));
    EXPECT_EQ(b.d2, EncodeDate(2005, 1, 1));
}
