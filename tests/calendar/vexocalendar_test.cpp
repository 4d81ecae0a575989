#include <QWidget>

#include "calendar/vexocalendar.h"
#include "calendartest_p.h"
#include "platform/gui/edit.h"
#include "platform/runtime/componentstream.h"

using namespace vexo;

namespace {

// Bounds set one after the other; the last one may be refused.
struct RangeCase {
    const char* name;
    TDateTime min, max; // set first (0: left alone)
    bool setMax;        // then SetMaxDate(value), else SetMinDate(value)
    TDateTime value;
    const char* error; // the exception's message, or none
    TDateTime wantMin, wantMax, wantDateTime;
};

class RangeRules : public CalendarFixture, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeRules, BoundsAndValue) {
    const RangeCase& c = GetParam();
    TvexoCalendar calendar;
    calendar.SetMinDate(c.min);
    calendar.SetMaxDate(c.max);
    try {
        c.setMax ? calendar.SetMaxDate(c.value) : calendar.SetMinDate(c.value);
        EXPECT_EQ(c.error, nullptr) << "accepted";
    } catch (const EvexoCalendarException& e) {
        ASSERT_NE(c.error, nullptr) << e.Message().toStdString();
        EXPECT_EQ(e.Message(), QString::fromLatin1(c.error));
    }
    EXPECT_EQ(calendar.MinDate(), c.wantMin);
    EXPECT_EQ(calendar.MaxDate(), c.wantMax);
    EXPECT_EQ(calendar.DateTime(), c.wantDateTime);
}

const TDateTime kNow = Day(2026, 12, 10, 0.75);

INSTANTIATE_TEST_SUITE_P(
    Calendar, RangeRules,
    ::testing::Values(
        RangeCase{"MaxBelowMinRefused", Day(2026, 12, 1), 0, true, Day(2026, 11, 30),
                  "Selected date is less than range minimum 12/1/2026", Day(2026, 12, 1), 0, kNow},
        RangeCase{"MinAboveMaxRefused", 0, Day(2026, 12, 20), false, Day(2026, 12, 21),
                  "Selected date is bigger than range maximum 12/20/2026", 0, Day(2026, 12, 20),
                  kNow},
        RangeCase{"MaxWithoutMinAnyDate", 0, 0, true, Day(1900, 1, 1), nullptr, 0, Day(1900, 1, 1),
                  Day(1900, 1, 1, 0.75)},
        RangeCase{"MaxBelowValueMovesItKeepingTime", Day(2026, 12, 1), 0, true, Day(2026, 12, 5),
                  nullptr, Day(2026, 12, 1), Day(2026, 12, 5), Day(2026, 12, 5, 0.75)},
        RangeCase{"MinAboveValueMovesIt", 0, 0, false, Day(2027, 1, 2), nullptr, Day(2027, 1, 2), 0,
                  Day(2027, 1, 2, 0.75)},
        RangeCase{"MaxClearedWhileMinSet", Day(2026, 12, 1), Day(2026, 12, 20), true, 0, nullptr,
                  Day(2026, 12, 1), 0, kNow},
        RangeCase{"MinClearedWhileMaxSet", Day(2026, 12, 1), Day(2026, 12, 20), false, 0, nullptr,
                  0, Day(2026, 12, 20), kNow}),
    [](const auto& info) { return std::string(info.param.name); });

struct CheckCase {
    const char* name;
    bool time; // SetTime, else SetDate
    TDateTime value;
    const char* error; // or none: the value is taken
    TDateTime want;
};

class CheckedSetters : public CalendarFixture, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckedSetters, OutOfRangeRestoresTheValue) {
    const CheckCase& c = GetParam();
    TvexoCalendar calendar;
    calendar.SetMinDate(Day(2026, 12, 1));
    calendar.SetMaxDate(Day(2026, 12, 20));
    try {
        c.time ? calendar.SetTime(c.value) : calendar.SetDate(c.value);
        EXPECT_EQ(c.error, nullptr) << "accepted";
    } catch (const EvexoCalendarException& e) {
        ASSERT_NE(c.error, nullptr) << e.Message().toStdString();
        EXPECT_EQ(e.Message(), QString::fromLatin1(c.error));
    }
    EXPECT_EQ(calendar.DateTime(), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, CheckedSetters,
    ::testing::Values(CheckCase{"DateAfterMax", false, Day(2026, 12, 21),
                                "Selected date is not of permissible range 12/20/2026", kNow},
                      CheckCase{"DateBeforeMin", false, Day(2026, 11, 30),
                                "Selected date is not of permissible range 12/1/2026", kNow},
                      CheckCase{"DateKeepsTimeOfDay", false, Day(2026, 12, 15, 0.25), nullptr,
                                Day(2026, 12, 15, 0.75)},
                      CheckCase{"TimeKeepsDay", true, Day(1999, 1, 1, 0.25), nullptr,
                                Day(2026, 12, 10, 0.25)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalendarFixture, MultiSelectKeepsARange) {
    TvexoCalendar calendar;
    calendar.SetEndDate(Day(2026, 12, 12)); // no range without MultiSelect
    EXPECT_EQ(calendar.EndDate(), 0);
    calendar.SetMultiSelect(true);
    EXPECT_EQ(calendar.EndDate(), kNow);
    calendar.SetDateTime(Day(2026, 12, 8));
    EXPECT_EQ(calendar.DateTime(), Day(2026, 12, 8));
    EXPECT_EQ(calendar.EndDate(), kNow);
    calendar.SetEndDate(Day(2026, 12, 14, 0.5));
    EXPECT_EQ(calendar.EndDate(), Day(2026, 12, 14));
    calendar.SetMaxDate(Day(2026, 12, 12));
    EXPECT_EQ(calendar.EndDate(), Day(2026, 12, 12));
    calendar.SetMultiSelect(false);
    EXPECT_EQ(calendar.EndDate(), 0);
    EXPECT_EQ(calendar.DateTime(), Day(2026, 12, 8));
}

TEST_F(CalendarFixture, ColoursAssign) {
    TvexoMonthCalColors from, to;
    for (int i = 0; i < TvexoMonthCalColors::ColorCount; ++i)
        from.SetColor(i, TColor(0x10 * (i + 1)));
    to.Assign(&from);
    for (int i = 0; i < TvexoMonthCalColors::ColorCount; ++i)
        EXPECT_EQ(to.Color(i), TColor(0x10 * (i + 1))) << i;

    QObject plain;
    const struct {
        const QObject* source;
        const char* message;
    } refused[] = {{nullptr, "Cannot assign a nil to a TvexoMonthCalColors"},
                   {&plain, "Cannot assign a QObject to a TvexoMonthCalColors"}};
    for (const auto& r : refused) {
        try {
            to.Assign(r.source);
            ADD_FAILURE() << "assigned from " << r.message;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QString::fromLatin1(r.message));
        }
    }
    EXPECT_EQ(to.Color(5), TColor(0x60)) << "a refused source changes nothing";
}

TEST_F(CalendarFixture, AttachedEditClearedWhenItGoes) {
    QWidget parent;
    auto* edit = new TEdit(nullptr, &parent);
    TvexoCalendar calendar;
    calendar.SetAttachedEdit(edit);
    EXPECT_EQ(calendar.AttachedEdit(), edit);
    delete edit;
    EXPECT_EQ(calendar.AttachedEdit(), nullptr);
}

// A stream keeps the range: EndDate comes before MultiSelect in it.
TEST_F(CalendarFixture, StreamRoundTrip) {
    TvexoCalendar calendar;
    calendar.SetMinDate(Day(2026, 12, 1));
    calendar.SetMaxDate(Day(2026, 12, 31));
    calendar.SetMultiSelect(true);
    calendar.SetSelectedRange(Day(2026, 12, 14, 0.5), Day(2026, 12, 18));
    calendar.SetFirstDayOfWeek(dowSunday);
    const QString text = ComponentToText(&calendar);
    TvexoCalendar read;
    ReadComponentText(text, &read);
    EXPECT_EQ(read.DateTime(), Day(2026, 12, 14, 0.5)) << text.toStdString();
    EXPECT_EQ(read.EndDate(), Day(2026, 12, 18));
    EXPECT_EQ(read.MinDate(), Day(2026, 12, 1));
    EXPECT_EQ(read.MaxDate(), Day(2026, 12, 31));
    EXPECT_EQ(read.FirstDayOfWeek(), dowSunday);
    EXPECT_TRUE(read.MultiSelect());
}

} // namespace
