#pragma once
// The locale's format settings used by the classic number and date conversions. Initialised
// from the user's locale (QLocale) at start-up; programs and tests may change them at any
// time, and every conversion reads them at the moment it runs.

#include <QLocale>
#include <QString>
#include <QStringList>

#include "vexo/platform_export.h"

namespace vexo {

struct VEXO_PLATFORM_EXPORT TFormatSettings {
    QChar DateSeparator = QLatin1Char('/');
    QChar TimeSeparator = QLatin1Char(':');
    QChar DecimalSeparator = QLatin1Char('.');
    QChar ThousandSeparator = QLatin1Char(',');
    QString ShortDateFormat = QStringLiteral("M/d/yyyy");
    QString LongDateFormat = QStringLiteral("dddd, MMMM d, yyyy");
    QString ShortTimeFormat = QStringLiteral("h:mm AMPM");
    QString LongTimeFormat = QStringLiteral("h:mm:ss AMPM");
    QString TimeAMString = QStringLiteral("AM");
    QString TimePMString = QStringLiteral("PM");
    QString CurrencyString = QStringLiteral("$");
    // Two-digit years read from text land in the hundred years that start this many years
    // before the current year; 0 takes the current century.
    int TwoDigitYearCenturyWindow = 50;
    // Index 0 is January / Sunday.
    QStringList ShortMonthNames;
    QStringList LongMonthNames;
    QStringList ShortDayNames;
    QStringList LongDayNames;

    // The classic English defaults above, with English month and day names.
    static TFormatSettings Defaults();
    // Settings taken from a Qt locale.
    static TFormatSettings FromLocale(const QLocale& locale);
};

// The process-wide settings (the user's locale until changed).
VEXO_PLATFORM_EXPORT TFormatSettings& FormatSettings();

} // namespace vexo
