#include "platform/text/formatsettings.h"

#include <gtest/gtest.h>

#include "platform/text/datetimetext.h"

using namespace vexo;

TEST(FormatSettingsDefaults, ClassicEnglish) {
    const TFormatSettings s = TFormatSettings::Defaults();
    EXPECT_EQ(s.DateSeparator, QChar('/'));
    EXPECT_EQ(s.DecimalSeparator, QChar('.'));
    EXPECT_EQ(s.TwoDigitYearCenturyWindow, 50);
    ASSERT_EQ(s.ShortMonthNames.size(), 12);
    ASSERT_EQ(s.LongDayNames.size(), 7);
    EXPECT_EQ(s.ShortMonthNames[0], "Jan");
    EXPECT_EQ(s.LongDayNames[0], "Sunday");
}

TEST(FormatSettingsFromLocale, GermanDatesAndDecimals) {
    const TFormatSettings s =
        TFormatSettings::FromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(s.DateSeparator, QChar('.'));
    EXPECT_EQ(s.TimeSeparator, QChar(':'));
    EXPECT_EQ(s.DecimalSeparator, QChar(','));
    EXPECT_EQ(GetDateOrder(s.ShortDateFormat), doDMY);
    EXPECT_EQ(s.LongDayNames[1], "Montag");
    TDateTime d = 0;
    ASSERT_TRUE(TryStrToDate("5.3.2004", d, s));
    EXPECT_EQ(FormatDateTime("ddddd", d, s).left(5), "05.03");
}

TEST(FormatSettingsFromLocale, AmericanTwelveHourTimes) {
    const TFormatSettings s =
        TFormatSettings::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(GetDateOrder(s.ShortDateFormat), doMDY);
    EXPECT_TRUE(s.LongTimeFormat.contains("AMPM")) << s.LongTimeFormat.toStdString();
    EXPECT_EQ(FormatDateTime("tt", EncodeTime(15, 4, 5, 0), s).right(2), "PM");
}

TEST(FormatSettingsProcessWide, ChangesAreSeenByTheConversions) {
    const TFormatSettings saved = FormatSettings();
    FormatSettings().ShortDateFormat = "yyyy-mm-dd";
    FormatSettings().DateSeparator = '-';
    EXPECT_EQ(DateToStr(EncodeDate(2004, 3, 5)), "2004-03-05");
    FormatSettings() = saved;
}
