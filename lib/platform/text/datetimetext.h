#pragma once
// Date-times to text and back with the classic format letters, under the format settings.
//
// FormatDateTime letters (case does not matter unless noted):
//   c        ShortDateFormat, then a blank and LongTimeFormat unless the time is midnight
//   d dd     day (dd with a leading zero); ddd/dddd short/long day name;
//            ddddd ShortDateFormat; dddddd LongDateFormat
//   m mm     month, or minutes right after an h/hh; mmm/mmmm short/long month name
//   yy yyyy  year in two or four digits
//   h hh     hour (12-hour clock when an am/pm specifier follows)
//   n nn     minutes; s ss seconds; z zzz milliseconds
//   t tt     ShortTimeFormat / LongTimeFormat
//   am/pm a/p  the letters as written in the format; ampm TimeAMString/TimePMString
//   / :      DateSeparator / TimeSeparator
//   "..." '...'  literal text; any other character is copied
// An empty format means "c".

#include <QString>

#include "platform/text/datetime.h"
#include "platform/text/formatsettings.h"
#include "vexo/platform_export.h"

namespace vexo {

enum TDateOrder { doMDY, doDMY, doYMD };

// The field order of a date format: decided by the first letter that is D (day first), E or Y
// (year first) or M (month first); month first when there is none.
VEXO_PLATFORM_EXPORT TDateOrder GetDateOrder(const QString& dateFormat);

VEXO_PLATFORM_EXPORT QString FormatDateTime(const QString& format, TDateTime value,
                                            const TFormatSettings& settings);
VEXO_PLATFORM_EXPORT QString FormatDateTime(const QString& format, TDateTime value);
VEXO_PLATFORM_EXPORT void DateTimeToString(QString& result, const QString& format, TDateTime value);

VEXO_PLATFORM_EXPORT QString DateToStr(TDateTime value);     // ShortDateFormat
VEXO_PLATFORM_EXPORT QString TimeToStr(TDateTime value);     // LongTimeFormat
VEXO_PLATFORM_EXPORT QString DateTimeToStr(TDateTime value); // "c"

// Reading: numbers separated by DateSeparator in the order of ShortDateFormat; two numbers
// take the current year; a year of one or two digits goes through the century window. Times
// are h[:n[:s[.z]]] with TimeSeparator and DecimalSeparator and an optional am/pm marker
// (TimeAMString/TimePMString or AM/PM) before or after. Blanks around the parts are allowed;
// anything else left over makes the text invalid.
VEXO_PLATFORM_EXPORT bool TryStrToDate(const QString& text, TDateTime& value,
                                       const TFormatSettings& settings);
VEXO_PLATFORM_EXPORT bool TryStrToTime(const QString& text, TDateTime& value,
                                       const TFormatSettings& settings);
VEXO_PLATFORM_EXPORT bool TryStrToDateTime(const QString& text, TDateTime& value,
                                           const TFormatSettings& settings);
VEXO_PLATFORM_EXPORT bool TryStrToDate(const QString& text, TDateTime& value);
VEXO_PLATFORM_EXPORT bool TryStrToTime(const QString& text, TDateTime& value);
VEXO_PLATFORM_EXPORT bool TryStrToDateTime(const QString& text, TDateTime& value);

// Raise EConvertError "'%s' is not a valid date" / "... time" / "... date and time".
VEXO_PLATFORM_EXPORT TDateTime StrToDate(const QString& text);
VEXO_PLATFORM_EXPORT TDateTime StrToTime(const QString& text);
VEXO_PLATFORM_EXPORT TDateTime StrToDateTime(const QString& text);

} // namespace vexo
