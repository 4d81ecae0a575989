#include "platform/text/datetimetext.h"

#include <gtest/gtest.h>

#include "platform/runtime/exception.h"
#include "support/fixedclock.h"

using namespace vexo;

namespace {

// English names, day-first dotted dates, 24-hour times: a settings value that no test takes
// from the machine.
TFormatSettings Dotted() {
    TFormatSettings s = TFormatSettings::Defaults();
    s.DateSeparator = '.';
    s.TimeSeparator = ':';
    s.ShortDateFormat = "dd/mm/yyyy";
    s.LongDateFormat = "dddd d mmmm yyyy";
    s.ShortTimeFormat = "hh:nn";
    s.LongTimeFormat = "hh:nn:ss";
    return s;
}

// Swaps the process-wide settings for the lifetime of the object.
class SettingsScope {
public:
    explicit SettingsScope(const TFormatSettings& s) : saved_(FormatSettings()) {
        FormatSettings() = s;
    }
    ~SettingsScope() { FormatSettings() = saved_; }

private:
    TFormatSettings saved_;
};

const TDateTime March5 = EncodeDate(2004, 3, 5) + EncodeTime(14, 7, 9, 45); // a Friday

} // namespace

struct FormatCase {
    const char* format;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << "'" << c.format << "'";
}

class FormatDateTimeLetters : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDateTimeLetters, Produce) {
    EXPECT_EQ(FormatDateTime(GetParam().format, March5, Dotted()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Classic, FormatDateTimeLetters,
    ::testing::Values(
        FormatCase{"d dd ddd dddd", "5 05 Fri Friday"}, FormatCase{"ddddd", "05.03.2004"},
        FormatCase{"dddddd", "Friday 5 March 2004"}, FormatCase{"m mm mmm mmmm", "3 03 Mar March"},
        FormatCase{"yy yyyy y", "04 2004 04"},
        FormatCase{"h hh n nn s ss z zzz", "14 14 7 07 9 09 45 045"},
        FormatCase{"hh:mm", "14:07"}, // m after h is minutes
        FormatCase{"h:m", "14:7"}, FormatCase{"hh mm", "14 07"}, FormatCase{"mm/dd", "03.05"},
        FormatCase{"h:nn am/pm", "2:07 pm"}, FormatCase{"h:nn AM/PM", "2:07 PM"},
        FormatCase{"h a/p", "2 p"}, FormatCase{"hh:nn ampm", "02:07 PM"},
        FormatCase{"'hh' \"mm\" yy", "hh mm 04"}, FormatCase{"t", "14:07"},
        FormatCase{"tt", "14:07:09"}, FormatCase{"c", "05.03.2004 14:07:09"},
        FormatCase{"", "05.03.2004 14:07:09"}, FormatCase{"x-y", "x-04"}));

TEST(FormatDateTime, MidnightLeavesTheTimeOutOfC) {
    EXPECT_EQ(FormatDateTime("c", EncodeDate(2004, 3, 5), Dotted()), "05.03.2004");
}

TEST(FormatDateTime, TwelveHourClockAroundMidnightAndNoon) {
    const TFormatSettings s = Dotted();
    EXPECT_EQ(FormatDateTime("h ampm", EncodeTime(0, 30, 0, 0), s), "12 AM");
    EXPECT_EQ(FormatDateTime("h ampm", EncodeTime(12, 30, 0, 0), s), "12 PM");
    EXPECT_EQ(FormatDateTime("h", EncodeTime(0, 30, 0, 0), s), "0");
}

TEST(FormatDateTime, SelfReferringFormatsStop) {
    TFormatSettings s = Dotted();
    s.ShortDateFormat = "ddddd";
    EXPECT_EQ(FormatDateTime("ddddd", March5, s), "");
}

TEST(DateToText, UsesTheProcessSettings) {
    SettingsScope scope(Dotted());
    EXPECT_EQ(DateToStr(March5), "05.03.2004");
    EXPECT_EQ(TimeToStr(March5), "14:07:09");
    EXPECT_EQ(DateTimeToStr(March5), "05.03.2004 14:07:09");
}

TEST(TextToDate, ReadsInTheOrderOfTheShortFormat) {
    TFormatSettings s = Dotted();
    TDateTime d = 0;
    ASSERT_TRUE(TryStrToDate("5.3.2004", d, s));
    EXPECT_EQ(d, EncodeDate(2004, 3, 5));
    s.ShortDateFormat = "M/d/yyyy";
    s.DateSeparator = '/';
    ASSERT_TRUE(TryStrToDate(" 3 / 5 / 2004 ", d, s));
    EXPECT_EQ(d, EncodeDate(2004, 3, 5));
    s.ShortDateFormat = "yyyy-MM-dd";
    s.DateSeparator = '-';
    ASSERT_TRUE(TryStrToDate("2004-03-05", d, s));
    EXPECT_EQ(d, EncodeDate(2004, 3, 5));
}

TEST(TextToDate, TwoDigitYearsFollowTheCenturyWindow) {
    FixedClock clock(EncodeDate(2026, 6, 1));
    TFormatSettings s = Dotted();
    TDateTime d = 0;
    ASSERT_TRUE(TryStrToDate("1.1.04", d, s));
    EXPECT_EQ(d, EncodeDate(2004, 1, 1));
    ASSERT_TRUE(TryStrToDate("1.1.80", d, s));
    EXPECT_EQ(d, EncodeDate(1980, 1, 1));
    ASSERT_TRUE(TryStrToDate("1.1.75", d, s));
    EXPECT_EQ(d, EncodeDate(2075, 1, 1));
    s.TwoDigitYearCenturyWindow = 0;
    ASSERT_TRUE(TryStrToDate("1.1.80", d, s));
    EXPECT_EQ(d, EncodeDate(2080, 1, 1));
}

TEST(TextToDate, TwoNumbersTakeTheCurrentYear) {
    FixedClock clock(EncodeDate(2026, 6, 1));
    TDateTime d = 0;
    ASSERT_TRUE(TryStrToDate("5.3", d, Dotted()));
    EXPECT_EQ(d, EncodeDate(2026, 3, 5));
}

TEST(TextToDate, BadTextFailsAndLeavesTheValue) {
    TDateTime d = 42;
    for (const char* text : {"", "5", "5.3.2004x", "31.2.2004", "a.b.c", "5-3-2004", "5.3.20045"})
        EXPECT_FALSE(TryStrToDate(text, d, Dotted())) << text;
    EXPECT_EQ(d, 42);
}

TEST(TextToDate, ErrorsCarryTheClassicMessages) {
    SettingsScope scope(Dotted());
    try {
        StrToDate("32.1.2004");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'32.1.2004' is not a valid date");
    }
    try {
        StrToTime("25:00");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'25:00' is not a valid time");
    }
    try {
        StrToDateTime("5.3.2004 xx");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'5.3.2004 xx' is not a valid date and time");
    }
}

TEST(TextToTime, HoursMinutesSecondsAndMarkers) {
    TFormatSettings s = Dotted();
    TDateTime t = 0;
    ASSERT_TRUE(TryStrToTime("14:07:09", t, s));
    EXPECT_DOUBLE_EQ(t, EncodeTime(14, 7, 9, 0));
    ASSERT_TRUE(TryStrToTime("14", t, s));
    EXPECT_DOUBLE_EQ(t, EncodeTime(14, 0, 0, 0));
    ASSERT_TRUE(TryStrToTime("2:07 pm", t, s));
    EXPECT_DOUBLE_EQ(t, EncodeTime(14, 7, 0, 0));
    ASSERT_TRUE(TryStrToTime("AM 12:30", t, s));
    EXPECT_DOUBLE_EQ(t, EncodeTime(0, 30, 0, 0));
    ASSERT_TRUE(TryStrToTime("1:02:03.5", t, s));
    EXPECT_DOUBLE_EQ(t, EncodeTime(1, 2, 3, 5));
    EXPECT_FALSE(TryStrToTime("13 pm", t, s));
    EXPECT_FALSE(TryStrToTime("0 am", t, s));
    EXPECT_FALSE(TryStrToTime("12:60", t, s));
    EXPECT_FALSE(TryStrToTime("12:", t, s));
}

TEST(TextToDateTime, DateAloneDateWithTimeOrTimeAlone) {
    TFormatSettings s = Dotted();
    TDateTime v = 0;
    ASSERT_TRUE(TryStrToDateTime("5.3.2004", v, s));
    EXPECT_EQ(v, EncodeDate(2004, 3, 5));
    ASSERT_TRUE(TryStrToDateTime("5.3.2004 14:07:09", v, s));
    EXPECT_DOUBLE_EQ(v, EncodeDate(2004, 3, 5) + EncodeTime(14, 7, 9, 0));
    ASSERT_TRUE(TryStrToDateTime("18:00", v, s));
    EXPECT_DOUBLE_EQ(v, 0.75);
    ASSERT_TRUE(TryStrToDateTime("29.12.1899 06:00", v, s));
    EXPECT_DOUBLE_EQ(v, -1.25);
}

TEST(DateTimeRoundTrip, FormatThenParseGivesTheValueBack) {
    TFormatSettings s = Dotted();
    s.LongTimeFormat = "h:nn:ss ampm";
    for (TDateTime v : {EncodeDate(2004, 3, 5) + EncodeTime(0, 0, 1, 0),
                        EncodeDate(1999, 12, 31) + EncodeTime(12, 0, 0, 0),
                        EncodeDate(2026, 2, 28) + EncodeTime(23, 59, 59, 0),
                        EncodeDate(1850, 7, 14) + EncodeTime(9, 30, 0, 0)}) {
        TDateTime back = 0;
        const QString text = FormatDateTime("c", v, s);
        ASSERT_TRUE(TryStrToDateTime(text, back, s)) << text.toStdString();
        EXPECT_NEAR(back, v, 1e-9) << text.toStdString();
    }
}

TEST(DateOrder, FirstDecidingLetter) {
    EXPECT_EQ(GetDateOrder("dd.MM.yy"), doDMY);
    EXPECT_EQ(GetDateOrder("M/d/yyyy"), doMDY);
    EXPECT_EQ(GetDateOrder("yyyy-MM-dd"), doYMD);
    EXPECT_EQ(GetDateOrder("ee"), doYMD);
    EXPECT_EQ(GetDateOrder("---"), doMDY);
}
