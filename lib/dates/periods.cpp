#include "dates/periods.h"

namespace vexo {

namespace {

struct Today {
    TDateTime date = Date();
    int year = 0, month = 0, day = 0;
    Today() { DecodeDate(date, year, month, day); }
};

// First day of `month` counted on from January of `year` (13 is January of the next year).
TDateTime FirstOfMonth(int year, int month) {
    return EncodeDate(year + (month - 1) / 12, (month - 1) % 12 + 1, 1);
}

} // namespace

void GetDatesOnDay(TDateTime& d1, TDateTime& d2) {
    d1 = Date();
    d2 = d1 + 1;
}

void GetDatesOnWeek(TDateTime& d1, TDateTime& d2) {
    const TDateTime today = Date();
    const int dayOfWeek = DayOfWeek(today);
    const int mondayBased = dayOfWeek == 1 ? 7 : dayOfWeek - 1;
    d1 = today - (mondayBased - 1);
    d2 = d1 + 6;
}

void GetDatesOnMonth(TDateTime& d1, TDateTime& d2) {
    const Today t;
    d1 = FirstOfMonth(t.year, t.month);
    d2 = FirstOfMonth(t.year, t.month + 1);
}

void GetDatesOnQuarter(TDateTime& d1, TDateTime& d2) {
    const Today t;
    const int first = (t.month - 1) / 3 * 3 + 1;
    d1 = FirstOfMonth(t.year, first);
    d2 = FirstOfMonth(t.year, first + 3);
}

void GetDatesOnYear(TDateTime& d1, TDateTime& d2) {
    const Today t;
    d1 = FirstOfMonth(t.year, 1);
    d2 = FirstOfMonth(t.year + 1, 1);
}

} // namespace vexo
