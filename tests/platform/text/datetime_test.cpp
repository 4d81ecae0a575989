#include "platform/text/datetime.h"

#include <gtest/gtest.h>

#include "platform/runtime/exception.h"
#include "support/fixedclock.h"

using namespace vexo;

TEST(DateTimeEncode, BaseDateIsZeroAndDaysCountFromIt) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1899, 12, 31), 1);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
    EXPECT_EQ(EncodeDate(1900, 3, 1), 61);
    EXPECT_EQ(EncodeDate(2004, 3, 4), 38050);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
}

TEST(DateTimeEncode, ImpossibleDatesRaiseTheClassicMessage) {
    for (auto [y, m, d] : {std::tuple{2003, 2, 29},
                           {2004, 13, 1},
                           {2004, 0, 1},
                           {2004, 4, 31},
                           {0, 1, 1},
                           {10000, 1, 1},
                           {2004, 1, 0}}) {
        try {
            EncodeDate(y, m, d);
            ADD_FAILURE() << y << "-" << m << "-" << d;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
    }
    EXPECT_NO_THROW(EncodeDate(2004, 2, 29));
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
    EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
}

TEST(DateTimeEncode, TimesAreFractionsOfADay) {
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(1, 60, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(1, 0, 0, 1000), EConvertError);
}

TEST(DateTimeDecode, RoundTripsEveryDayOfSomeYears) {
    for (int year : {1, 1899, 1900, 2000, 2004, 2100, 9999}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInAMonth(year, month); ++day) {
                int y = 0, m = 0, d = 0;
                // Before the base date the time is subtracted.
                const TDateTime date = EncodeDate(year, month, day);
                DecodeDate(date >= 0 ? date + 0.75 : date - 0.75, y, m, d);
                ASSERT_EQ(std::tuple(y, m, d), std::tuple(year, month, day));
            }
        }
    }
}

TEST(DateTimeDecode, NegativeValuesKeepTheirTimeOfDay) {
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
    DecodeDate(-1.25, y, m, d);
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ(std::tuple(y, m, d, h, n), std::tuple(1899, 12, 29, 6, 0));
}

TEST(DateTimeDecode, TimeNeverReachesHour24) {
    int h = 0, n = 0, s = 0, ms = 0;
    DecodeTime(0.9999999999, h, n, s, ms);
    EXPECT_EQ(std::tuple(h, n, s, ms), std::tuple(23, 59, 59, 999));
    DecodeTime(EncodeTime(13, 45, 30, 250), h, n, s, ms);
    EXPECT_EQ(std::tuple(h, n, s, ms), std::tuple(13, 45, 30, 250));
}

TEST(DateTimeDecode, OutOfRangeValuesDecodeAsZeros) {
    int y = 1, m = 1, d = 1;
    DecodeDate(1e300, y, m, d);
    EXPECT_EQ(std::tuple(y, m, d), std::tuple(0, 0, 0));
    DecodeDate(std::nan(""), y, m, d);
    EXPECT_EQ(y, 0);
}

TEST(DateTimeDayOfWeek, SundayIsOne) {
    EXPECT_EQ(DayOfWeek(0), 7);                        // Saturday 30/12/1899
    EXPECT_EQ(DayOfWeek(EncodeDate(2004, 3, 7)), 1);   // a Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2004, 3, 8)), 2);   // Monday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 29)), 6); // Friday, before the base
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 9) + 0.9), 4);
}

TEST(DateTimeLeapYear, CenturyRules) {
    EXPECT_TRUE(IsLeapYear(2004));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2003));
    EXPECT_EQ(DaysInAMonth(2004, 2), 29);
    EXPECT_EQ(DaysInAMonth(2004, 13), 0);
}

TEST(DateTimeClock, InjectedClockDrivesNowDateAndTime) {
    const TDateTime at = EncodeDate(2004, 3, 5) + EncodeTime(18, 30, 0, 0);
    {
        FixedClock clock(at);
        EXPECT_DOUBLE_EQ(Now(), at);
        EXPECT_EQ(Date(), EncodeDate(2004, 3, 5));
        EXPECT_NEAR(Time(), EncodeTime(18, 30, 0, 0), 1e-9);
        EXPECT_EQ(CurrentYear(), 2004);
    }
    EXPECT_GT(CurrentYear(), 2004);
}
