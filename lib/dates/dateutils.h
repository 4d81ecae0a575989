#pragma once
// The library's date conventions: the null date (whole-day part 0, shown as "00", the date
// separator, "00", the separator, "00"), dates for SQL statements and a tolerant date reader,
// all under the format settings of the moment.

#include <QString>

#include "platform/text/datetime.h"
#include "vexo/dates_export.h"

namespace vexo {

// "00" + DateSeparator + "00" + DateSeparator + "00".
VEXO_DATES_EXPORT QString GetNullDateStr();
// True for an empty or all-blank text and for exactly the null date text.
VEXO_DATES_EXPORT bool IsNullDate(const QString& text);
// True when the whole-day part of `date` is 0.
VEXO_DATES_EXPORT bool IsNullDateValue(TDateTime date);
// "null" for a null date; else 'month/day/year' without leading zeros, in single quotes.
VEXO_DATES_EXPORT QString DateToSQLDate(TDateTime date);

// 0 for a null date text; otherwise three words split at DateSeparator, in the order of
// ShortDateFormat. The month is a number, or a name when the format's month pattern is longer
// than two letters (three: ShortMonthNames; more: the first two letters of LongMonthNames),
// in any case. A two-character year takes the current century. Unreadable text gives 0; an
// impossible date or an unreadable numeric month raises EConvertError "Invalid argument to
// date encode". Leaves the word dividers set to DateSeparator.
VEXO_DATES_EXPORT TDateTime WStrToDate(const QString& text);
// 0 for a null date text; otherwise StrToDateTime (raising its conversion error).
VEXO_DATES_EXPORT TDateTime WStrToDateTime(const QString& text);
// The null date text for a null date; otherwise DateToStr / DateTimeToStr.
VEXO_DATES_EXPORT QString WDateToStr(TDateTime date);
VEXO_DATES_EXPORT QString WDateTimeToStr(TDateTime date);
// The value formatted with LongTimeFormat.
VEXO_DATES_EXPORT QString LongDateToStr(TDateTime date);
// Hours and minutes, two digits each, joined by ":" (no rounding: 23:59:59 gives 23:59).
VEXO_DATES_EXPORT QString TimeToShortTime(TDateTime time);

} // namespace vexo
