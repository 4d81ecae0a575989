#include "platform/text/formatsettings.h"

#include <QLocale>

namespace vexo {

namespace {

QChar FirstOr(const QString& text, QChar fallback) {
    return text.isEmpty() ? fallback : text.at(0);
}

// Qt's date patterns use the same letters as the classic ones for the parts we need
// (d, M, y, h, m, s); "AP"/"ap" becomes the classic "AMPM".
QString ClassicTimeFormat(QString format) {
    format.replace(QStringLiteral("AP"), QStringLiteral("AMPM"));
    format.replace(QStringLiteral("ap"), QStringLiteral("AMPM"));
    format.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    return format.trimmed();
}

// The first character of a pattern that is neither a letter nor a blank.
QChar SeparatorOf(const QString& format, QChar fallback) {
    for (const QChar c : format) {
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    }
    return fallback;
}

} // namespace

TFormatSettings TFormatSettings::Defaults() {
    return FromLocale(QLocale::c());
}

TFormatSettings TFormatSettings::FromLocale(const QLocale& locale) {
    TFormatSettings s;
    if (locale.language() != QLocale::C) {
        s.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat);
        s.LongDateFormat = locale.dateFormat(QLocale::LongFormat);
        s.ShortTimeFormat = ClassicTimeFormat(locale.timeFormat(QLocale::ShortFormat));
        s.LongTimeFormat = ClassicTimeFormat(locale.timeFormat(QLocale::LongFormat));
        s.DateSeparator = SeparatorOf(s.ShortDateFormat, QLatin1Char('/'));
        s.TimeSeparator = SeparatorOf(s.LongTimeFormat, QLatin1Char(':'));
        s.DecimalSeparator = FirstOr(locale.decimalPoint(), QLatin1Char('.'));
        s.ThousandSeparator = FirstOr(locale.groupSeparator(), QLatin1Char(','));
        s.TimeAMString = locale.amText();
        s.TimePMString = locale.pmText();
        s.CurrencyString = locale.currencySymbol();
    }
    for (int m = 1; m <= 12; ++m) {
        s.ShortMonthNames << locale.monthName(m, QLocale::ShortFormat);
        s.LongMonthNames << locale.monthName(m, QLocale::LongFormat);
    }
    // Qt numbers days from Monday = 1 to Sunday = 7; the classic tables start on Sunday.
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d;
        s.ShortDayNames << locale.dayName(qtDay, QLocale::ShortFormat);
        s.LongDayNames << locale.dayName(qtDay, QLocale::LongFormat);
    }
    return s;
}

TFormatSettings& FormatSettings() {
    static TFormatSettings settings = TFormatSettings::FromLocale(QLocale::system());
    return settings;
}

} // namespace vexo
