#include "calendar/datetimepicker.h"
#include "calendar/qttimeformat.h"
#include "calendartest_p.h"
#include "platform/text/datetimetext.h"

using namespace vexo;

namespace {

struct TimeFormatCase {
    const char* name;
    const char* classic;
    QChar separator;    // TimeSeparator
    const char* amText; // TimeAMString
    const char* qt;
};

class QtTimeFormats : public ::testing::TestWithParam<TimeFormatCase> {};

TEST_P(QtTimeFormats, Converted) {
    const TimeFormatCase& c = GetParam();
    TFormatSettings settings = TFormatSettings::Defaults();
    settings.TimeSeparator = c.separator;
    settings.TimeAMString = QString::fromLatin1(c.amText);
    EXPECT_EQ(QtTimeFormat(QString::fromLatin1(c.classic), settings), QString::fromLatin1(c.qt));
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, QtTimeFormats,
    ::testing::Values(
        TimeFormatCase{"ClassicDefault", "h:mm:ss AMPM", u':', "AM", "h:mm:ss AP"},
        TimeFormatCase{"TwentyFourHours", "hh:nn:ss", u':', "AM", "hh:mm:ss"},
        TimeFormatCase{"LowerMarker", "h:m:s am/pm", u':', "AM", "h:m:s ap"},
        TimeFormatCase{"OneLetterMarker", "H.NN A/P", u':', "AM", "h.mm AP"},
        TimeFormatCase{"AmpmFollowsTheText", "hh:nn ampm", u':', "am", "hh:mm ap"},
        TimeFormatCase{"SeparatorAndMilliseconds", "hh:nn:ss.z", u'.', "AM", "hh.mm.ss.zzz"},
        TimeFormatCase{"LetterSeparatorQuoted", "hh:nn", u'h', "AM", "hh'h'mm"},
        TimeFormatCase{"QuotedTextOneRun", "hh 'h' nn\" min\"", u':', "AM", "hh 'h 'mm 'min'"},
        TimeFormatCase{"QuoteInText", "hh:nn\"'\"", u':', "AM", "hh:mm''"},
        TimeFormatCase{"DateLettersLeftOut", "dddd hh:nn", u':', "AM", " hh:mm"}),
    [](const auto& info) { return std::string(info.param.name); });

// The picker made under a format shows its time as the classic formatting would.
TEST_F(CalendarFixture, TimePickerFollowsTheLongTimeFormat) {
    const TDateTime time = EncodeTime(18, 5, 7, 0);
    for (const char* format : {"hh:nn:ss", "h:nn:ss AMPM", "hh 'h' nn", "hh:nn\"'\""}) {
        FormatSettings().LongTimeFormat = QString::fromLatin1(format);
        FormatSettings().TimeSeparator = u'.';
        TDateTimePicker picker;
        picker.SetTime(time);
        EXPECT_EQ(picker.text(), FormatDateTime(FormatSettings().LongTimeFormat, time)) << format;
        EXPECT_EQ(picker.Time(), time) << format;
    }
    FormatSettings().LongTimeFormat.clear(); // no fields: 24 hours with seconds
    TDateTimePicker picker;
    picker.SetTime(time);
    EXPECT_EQ(picker.text(), QStringLiteral("18:05:07"));
}

} // namespace
