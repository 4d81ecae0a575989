#include "dates/dateutils.h"

#include <gtest/gtest.h>

#include "dates/dates_support.h"
#include "platform/runtime/exception.h"
#include "utils/words.h"

using namespace vexo;

namespace {
const TDateTime In2004 = EncodeDate(2004, 6, 15);
}

TEST(NullDate, TextAndValue) {
    SettingsScope scope(EnglishSettings('.', "dd.MM.yy"));
    EXPECT_EQ(GetNullDateStr(), "00.00.00");
    EXPECT_TRUE(IsNullDate(""));
    EXPECT_TRUE(IsNullDate("    "));
    EXPECT_TRUE(IsNullDate("00.00.00"));
    EXPECT_FALSE(IsNullDate("00.00.0000"));
    EXPECT_FALSE(IsNullDate("01.01.04"));
    EXPECT_TRUE(IsNullDateValue(0.75));
    EXPECT_TRUE(IsNullDateValue(-0.5));
    EXPECT_FALSE(IsNullDateValue(1));
    EXPECT_FALSE(IsNullDateValue(-1.25));
}

TEST(NullDate, SeparatorFollowsTheSettings) {
    SettingsScope scope(EnglishSettings('/', "M/d/yyyy"));
    EXPECT_EQ(GetNullDateStr(), "00/00/00");
    EXPECT_TRUE(IsNullDate("00/00/00"));
    EXPECT_FALSE(IsNullDate("00.00.00"));
}

TEST(SqlDate, MonthDayYearQuoted) {
    EXPECT_EQ(DateToSQLDate(EncodeDate(2004, 3, 4)), "'3/4/2004'");
    EXPECT_EQ(DateToSQLDate(EncodeDate(1999, 12, 31) + 0.5), "'12/31/1999'");
    EXPECT_EQ(DateToSQLDate(0.75), "null");
}

TEST(WStrToDate, DayFirstWithDotsAndTwoDigitYears) {
    FixedClock clock(In2004);
    SettingsScope scope(EnglishSettings('.', "dd.MM.yy"));
    EXPECT_EQ(WStrToDate("5.3.04"), EncodeDate(2004, 3, 5));
    EXPECT_EQ(WStrToDate("05.03.2004"), EncodeDate(2004, 3, 5));
    EXPECT_EQ(WStrToDate("5.3.99"), EncodeDate(2099, 3, 5)); // always the current century
    EXPECT_EQ(WStrToDate("5.3"), 0);
    EXPECT_EQ(WStrToDate("5.3.04.1"), 0);
    EXPECT_EQ(WStrToDate("00.00.00"), 0);
    EXPECT_EQ(WStrToDate("   "), 0);
    EXPECT_EQ(WStrToDate("5.3.x4"), 0);
    EXPECT_EQ(WStrToDate("x.3.04"), 0);
}

TEST(WStrToDate, CenturyComesFromToday) {
    FixedClock clock(EncodeDate(1987, 1, 1));
    SettingsScope scope(EnglishSettings('.', "dd.MM.yy"));
    EXPECT_EQ(WStrToDate("5.3.04"), EncodeDate(1904, 3, 5));
}

TEST(WStrToDate, MonthFirstAndYearFirst) {
    FixedClock clock(In2004);
    {
        SettingsScope scope(EnglishSettings('/', "M/d/yyyy"));
        EXPECT_EQ(WStrToDate("3/5/2004"), EncodeDate(2004, 3, 5));
    }
    {
        SettingsScope scope(EnglishSettings('-', "yyyy-MM-dd"));
        EXPECT_EQ(WStrToDate("2004-03-05"), EncodeDate(2004, 3, 5));
        EXPECT_EQ(WStrToDate("04-3-5"), EncodeDate(2004, 3, 5));
    }
}

TEST(WStrToDate, ThreeLetterMonthNamesWithHyphens) {
    FixedClock clock(In2004);
    SettingsScope scope(EnglishSettings('-', "dd-MMM-yyyy"));
    EXPECT_EQ(WStrToDate("05-mar-2004"), EncodeDate(2004, 3, 5));
    EXPECT_EQ(WStrToDate("05-MAR-2004"), EncodeDate(2004, 3, 5));
    EXPECT_EQ(WStrToDate("5-Dec-04"), EncodeDate(2004, 12, 5));
    EXPECT_EQ(WStrToDate("05-xyz-2004"), 0);
    EXPECT_EQ(WStrToDate("05-3-2004"), 0); // a number where a name is expected
}

TEST(WStrToDate, LongMonthNamesByTheirFirstTwoLetters) {
    FixedClock clock(In2004);
    SettingsScope scope(EnglishSettings(' ', "d MMMM yyyy"));
    EXPECT_EQ(WStrToDate("5 march 2004"), EncodeDate(2004, 3, 5));
    EXPECT_EQ(WStrToDate("5 NOVEMBER 2004"), EncodeDate(2004, 11, 5));
    // Two letters are compared and the first match wins: "Ma" is March, "Ju" June.
    EXPECT_EQ(WStrToDate("5 May 2004"), EncodeDate(2004, 3, 5));
    EXPECT_EQ(WStrToDate("5 July 2004"), EncodeDate(2004, 6, 5));
}

TEST(WStrToDate, CyrillicMonthNamesInAnyCase) {
    FixedClock clock(In2004);
    TFormatSettings s = EnglishSettings('-', "dd-MMM-yyyy");
    s.ShortMonthNames = QStringList{"янв", "фев", "мар", "апр", "май", "июн",
                                    "июл", "авг", "сен", "окт", "ноя", "дек"};
    SettingsScope scope(s);
    EXPECT_EQ(WStrToDate("05-МАР-2004"), EncodeDate(2004, 3, 5));
    EXPECT_EQ(WStrToDate("05-Дек-2004"), EncodeDate(2004, 12, 5));
}

TEST(WStrToDate, ImpossibleDatesRaise) {
    FixedClock clock(In2004);
    SettingsScope scope(EnglishSettings('.', "dd.MM.yyyy"));
    for (const char* text : {"31.02.2004", "1.13.2004", "0.1.2004", "1.x.2004", "1.1.0"}) {
        try {
            WStrToDate(text);
            ADD_FAILURE() << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
    }
}

TEST(WStrToDate, LeavesTheDividersAtTheSeparator) {
    SetDivisers(SetOfChars{' ', ','});
    SettingsScope scope(EnglishSettings('.', "dd.MM.yyyy"));
    WStrToDate("1.1.2004");
    EXPECT_TRUE(Divisers().Contains('.'));
    EXPECT_FALSE(Divisers().Contains(' '));
}

TEST(DateTexts, NullDatesShowTheNullText) {
    SettingsScope scope(EnglishSettings('.', "dd.MM.yyyy"));
    EXPECT_EQ(WDateToStr(0.5), "00.00.00");
    EXPECT_EQ(WDateTimeToStr(0.5), "00.00.00");
    EXPECT_EQ(WDateToStr(EncodeDate(2004, 3, 5)), "05.03.2004");
    EXPECT_EQ(WDateTimeToStr(EncodeDate(2004, 3, 5) + 0.75), "05.03.2004 18:00:00");
    EXPECT_EQ(LongDateToStr(EncodeDate(2004, 3, 5) + 0.75), "18:00:00");
}

TEST(DateTexts, WStrToDateTimeRaisesTheFrameworkError) {
    SettingsScope scope(EnglishSettings('.', "dd.MM.yyyy"));
    EXPECT_EQ(WStrToDateTime("00.00.00"), 0);
    EXPECT_EQ(WStrToDateTime(""), 0);
    EXPECT_DOUBLE_EQ(WStrToDateTime("05.03.2004 18:00"), EncodeDate(2004, 3, 5) + 0.75);
    try {
        WStrToDateTime("nonsense");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'nonsense' is not a valid date and time");
    }
}

TEST(DateTexts, ShortTimeCutsSeconds) {
    EXPECT_EQ(TimeToShortTime(EncodeTime(9, 5, 0, 0)), "09:05");
    EXPECT_EQ(TimeToShortTime(EncodeTime(23, 59, 59, 999)), "23:59");
    EXPECT_EQ(TimeToShortTime(EncodeDate(2004, 1, 1) + EncodeTime(0, 0, 0, 0)), "00:00");
}
