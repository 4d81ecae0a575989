#include "dates/dateutils.h"

#include <cmath>

#include "platform/text/datetimetext.h"
#include "platform/text/floatformat.h"
#include "platform/text/formatsettings.h"
#include "utils/strutils.h"
#include "utils/words.h"

namespace vexo {

namespace {

QString Word(const QString& text, int n) {
    return GetSomeWords(text, n, n);
}

QStringList Upper(const QStringList& names, int letters) {
    QStringList result;
    for (const QString& name : names)
        result << StrUpper(letters > 0 ? name.left(letters) : name);
    return result;
}

// The month of a word under the format's month pattern; 0 when a name does not match, -1
// when a number does not convert (EncodeDate then rejects it).
int MonthOf(const QString& word, const QString& pattern, const TFormatSettings& s) {
    if (pattern.size() <= 2) {
        int month = 0;
        return TryStrToInt(word, month) ? month : -1;
    }
    if (pattern.size() == 3)
        return IndexOfStr(StrUpper(word), Upper(s.ShortMonthNames, 0)) + 1;
    return IndexOfStr(StrUpper(word.left(2)), Upper(s.LongMonthNames, 2)) + 1;
}

} // namespace

QString GetNullDateStr() {
    const QChar separator = FormatSettings().DateSeparator;
    return QStringLiteral("00") + separator + QStringLiteral("00") + separator +
           QStringLiteral("00");
}

bool IsNullDate(const QString& text) {
    return GetNoSpacePercent(text) == 0 || text == GetNullDateStr();
}

bool IsNullDateValue(TDateTime date) {
    return std::trunc(date) == 0;
}

QString DateToSQLDate(TDateTime date) {
    if (IsNullDateValue(date))
        return QStringLiteral("null");
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    return SingleQuotes(QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year));
}

TDateTime WStrToDate(const QString& text) {
    if (IsNullDate(text))
        return 0;
    const TFormatSettings& s = FormatSettings();
    const TDateOrder order = GetDateOrder(s.ShortDateFormat);
    SetDivisers(SetOfChars{s.DateSeparator});
    if (WordsInstring(text) != 3)
        return 0;

    QString yearWord, monthWord, dayWord;
    switch (order) {
    case doMDY:
        monthWord = Word(text, 1), dayWord = Word(text, 2), yearWord = Word(text, 3);
        break;
    case doDMY:
        dayWord = Word(text, 1), monthWord = Word(text, 2), yearWord = Word(text, 3);
        break;
    case doYMD:
        yearWord = Word(text, 1), monthWord = Word(text, 2), dayWord = Word(text, 3);
        break;
    }
    const QString monthPattern = Word(s.ShortDateFormat, order == doMDY ? 1 : 2);

    int year = 0, day = 0;
    if (!TryStrToInt(yearWord, year))
        return 0;
    if (yearWord.size() == 2)
        year += CurrentYear() / 100 * 100;
    const int month = MonthOf(monthWord, monthPattern, s);
    if (month == 0)
        return 0;
    if (!TryStrToInt(dayWord, day))
        return 0;
    return EncodeDate(year, month, day);
}

TDateTime WStrToDateTime(const QString& text) {
    return IsNullDate(text) ? 0 : StrToDateTime(text);
}

QString WDateToStr(TDateTime date) {
    return IsNullDateValue(date) ? GetNullDateStr() : DateToStr(date);
}

QString WDateTimeToStr(TDateTime date) {
    return IsNullDateValue(date) ? GetNullDateStr() : DateTimeToStr(date);
}

QString LongDateToStr(TDateTime date) {
    return FormatDateTime(FormatSettings().LongTimeFormat, date);
}

QString TimeToShortTime(TDateTime time) {
    int hour = 0, min = 0, sec = 0, msec = 0;
    DecodeTime(time, hour, min, sec, msec);
    return AlignStr(QString::number(hour), taRightJustify, QLatin1Char('0'), 2) + QLatin1Char(':') +
           AlignStr(QString::number(min), taRightJustify, QLatin1Char('0'), 2);
}

} // namespace vexo
