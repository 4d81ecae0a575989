#include "platform/text/datetimetext.h"

#include <cmath>

#include "platform/runtime/exception.h"

namespace vexo {

namespace {

QChar Upper(QChar c) {
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c;
}

bool StartsWithNoCase(QStringView text, qsizetype pos, QStringView what) {
    return text.mid(pos).startsWith(what, Qt::CaseInsensitive);
}

QString Number(int value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

QString Entry(const QStringList& list, int index) {
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

// One formatting run: the value decoded once, the state the classic letters share (the
// previous letter for m-after-h, the 12-hour flag) and the nesting depth of the formats that
// refer to other formats, bounded so that a format naming itself cannot recurse for ever.
class DateTimeFormatter {
public:
    DateTimeFormatter(TDateTime value, const TFormatSettings& settings)
        : value_(value), s_(settings) {
        DecodeDate(value, year_, month_, day_);
        DecodeTime(value, hour_, min_, sec_, msec_);
    }

    QString Run(const QString& format) {
        Append(format.isEmpty() ? QStringLiteral("C") : format);
        return out_;
    }

private:
    void Append(QStringView f) {
        if (depth_ >= 2)
            return;
        ++depth_;
        qsizetype i = 0;
        while (i < f.size()) {
            const QChar starter = f[i];
            QChar token = Upper(starter);
            ++i;
            const auto count = [&] {
                int n = 1;
                while (i < f.size() && f[i] == starter) {
                    ++i;
                    ++n;
                }
                return n;
            };
            if (token.isLetter() && token.unicode() < 128) {
                if (token == u'M' && last_ == u'H')
                    token = u'N';
                last_ = token;
            }
            switch (token.unicode()) {
            case u'Y':
                out_ += count() <= 2 ? Number(year_ % 100, 2) : Number(year_, 4);
                break;
            case u'M': {
                const int n = count();
                if (n <= 2)
                    out_ += Number(month_, n);
                else
                    out_ += Entry(n == 3 ? s_.ShortMonthNames : s_.LongMonthNames, month_ - 1);
                break;
            }
            case u'D': {
                const int n = count();
                if (n <= 2)
                    out_ += Number(day_, n);
                else if (n == 3)
                    out_ += Entry(s_.ShortDayNames, DayOfWeek(value_) - 1);
                else if (n == 4)
                    out_ += Entry(s_.LongDayNames, DayOfWeek(value_) - 1);
                else
                    Append(n == 5 ? s_.ShortDateFormat : s_.LongDateFormat);
                break;
            }
            case u'H': {
                const int n = count();
                if (AmPmFollows(f, i))
                    twelveHour_ = true;
                int h = hour_;
                if (twelveHour_)
                    h = h == 0 ? 12 : (h > 12 ? h - 12 : h);
                out_ += Number(h, std::min(n, 2));
                break;
            }
            case u'N':
                out_ += Number(min_, std::min(count(), 2));
                break;
            case u'S':
                out_ += Number(sec_, std::min(count(), 2));
                break;
            case u'Z':
                out_ += Number(msec_, std::min(count(), 3));
                break;
            case u'T':
                Append(count() == 1 ? s_.ShortTimeFormat : s_.LongTimeFormat);
                break;
            case u'A':
                AppendAmPm(f, i);
                break;
            case u'C':
                count();
                Append(s_.ShortDateFormat);
                if (hour_ != 0 || min_ != 0 || sec_ != 0) {
                    out_ += QLatin1Char(' ');
                    Append(s_.LongTimeFormat);
                }
                break;
            case u'/':
                if (!s_.DateSeparator.isNull())
                    out_ += s_.DateSeparator;
                break;
            case u':':
                if (!s_.TimeSeparator.isNull())
                    out_ += s_.TimeSeparator;
                break;
            case u'\'':
            case u'"': {
                const qsizetype start = i;
                while (i < f.size() && f[i] != starter)
                    ++i;
                out_ += f.mid(start, i - start);
                if (i < f.size())
                    ++i;
                break;
            }
            default:
                out_ += starter;
                break;
            }
        }
        --depth_;
    }

    // Looks ahead from an hour: an am/pm specifier before the next hour (outside quotes)
    // switches to the 12-hour clock.
    static bool AmPmFollows(QStringView f, qsizetype i) {
        bool quoted = false;
        for (; i < f.size(); ++i) {
            const QChar c = f[i];
            if (c == u'\'' || c == u'"') {
                quoted = !quoted;
            } else if (!quoted && (c == u'A' || c == u'a')) {
                return StartsWithNoCase(f, i, u"AM/PM") || StartsWithNoCase(f, i, u"A/P") ||
                       StartsWithNoCase(f, i, u"AMPM");
            } else if (!quoted && (c == u'H' || c == u'h')) {
                return false;
            }
        }
        return false;
    }

    // `i` stands right after the "a"; the am/pm letters are written as the format spells them.
    void AppendAmPm(QStringView f, qsizetype& i) {
        const qsizetype p = i - 1;
        const bool pm = hour_ >= 12;
        if (StartsWithNoCase(f, p, u"AM/PM")) {
            out_ += f.mid(pm ? p + 3 : p, 2);
            i = p + 5;
            twelveHour_ = true;
        } else if (StartsWithNoCase(f, p, u"A/P")) {
            out_ += f.mid(pm ? p + 2 : p, 1);
            i = p + 3;
            twelveHour_ = true;
        } else if (StartsWithNoCase(f, p, u"AMPM")) {
            out_ += pm ? s_.TimePMString : s_.TimeAMString;
            i = p + 4;
            twelveHour_ = true;
        } else if (StartsWithNoCase(f, p, u"AAAA")) {
            out_ += Entry(s_.LongDayNames, DayOfWeek(value_) - 1);
            i = p + 4;
        } else if (StartsWithNoCase(f, p, u"AAA")) {
            out_ += Entry(s_.ShortDayNames, DayOfWeek(value_) - 1);
            i = p + 3;
        } else {
            out_ += f[p];
        }
    }

    TDateTime value_;
    const TFormatSettings& s_;
    int year_ = 0, month_ = 0, day_ = 0, hour_ = 0, min_ = 0, sec_ = 0, msec_ = 0;
    QString out_;
    QChar last_;
    bool twelveHour_ = false;
    int depth_ = 0;
};

// A cursor over the text being read; every scan skips the blanks before its item.
class DateTimeScanner {
public:
    DateTimeScanner(const QString& text, const TFormatSettings& settings)
        : t_(text), s_(settings) {}

    bool AtEnd() const { return pos_ >= t_.size(); }
    void Rewind() { pos_ = 0; }

    void Blanks() {
        while (pos_ < t_.size() && t_[pos_] == u' ')
            ++pos_;
    }

    // At most four digits are taken, so the value cannot overflow.
    bool Number(int& value, int& length) {
        Blanks();
        qsizetype i = pos_;
        int n = 0;
        while (i < t_.size() && t_[i] >= u'0' && t_[i] <= u'9' && n < 1000) {
            n = n * 10 + (t_[i].unicode() - u'0');
            ++i;
        }
        if (i == pos_)
            return false;
        length = int(i - pos_);
        pos_ = i;
        value = n;
        return true;
    }

    // A blank separator is met by the blanks themselves.
    bool Char(QChar c) {
        const qsizetype before = pos_;
        Blanks();
        if (c == u' ' && pos_ > before)
            return true;
        if (pos_ < t_.size() && t_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool String(const QString& symbol) {
        Blanks();
        if (!symbol.isEmpty() && StartsWithNoCase(t_, pos_, symbol)) {
            pos_ += symbol.size();
            return true;
        }
        return false;
    }

    bool Date(TDateTime& date) {
        int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
        if (!(Number(n1, l1) && Char(s_.DateSeparator) && Number(n2, l2)))
            return false;
        int y = 0, m = 0, d = 0;
        const TDateOrder order = GetDateOrder(s_.ShortDateFormat);
        if (Char(s_.DateSeparator)) {
            if (!Number(n3, l3))
                return false;
            int yearLength = l3;
            switch (order) {
            case doMDY:
                y = n3, m = n1, d = n2;
                break;
            case doDMY:
                y = n3, m = n2, d = n1;
                break;
            case doYMD:
                y = n1, m = n2, d = n3, yearLength = l1;
                break;
            }
            if (yearLength <= 2) {
                const int window = s_.TwoDigitYearCenturyWindow;
                const int base = CurrentYear() - window;
                y += base / 100 * 100;
                if (window > 0 && y < base)
                    y += 100;
            }
        } else {
            y = CurrentYear();
            if (order == doDMY)
                d = n1, m = n2;
            else
                m = n1, d = n2;
        }
        Char(s_.DateSeparator);
        Blanks();
        return TryEncodeDate(y, m, d, date);
    }

    bool Time(TDateTime& time) {
        int base = -1;
        if (String(s_.TimeAMString) || String(QStringLiteral("AM")))
            base = 0;
        else if (String(s_.TimePMString) || String(QStringLiteral("PM")))
            base = 12;
        int hour = 0, min = 0, sec = 0, msec = 0, length = 0;
        if (!Number(hour, length))
            return false;
        if (Char(s_.TimeSeparator)) {
            if (!Number(min, length))
                return false;
            if (Char(s_.TimeSeparator)) {
                if (!Number(sec, length))
                    return false;
                if (Char(s_.DecimalSeparator) && !Number(msec, length))
                    return false;
            }
        }
        if (base < 0) {
            if (String(s_.TimeAMString) || String(QStringLiteral("AM")))
                base = 0;
            else if (String(s_.TimePMString) || String(QStringLiteral("PM")))
                base = 12;
        }
        if (base >= 0) {
            if (hour == 0 || hour > 12)
                return false;
            hour = (hour == 12 ? 0 : hour) + base;
        }
        Blanks();
        return TryEncodeTime(hour, min, sec, msec, time);
    }

private:
    const QString& t_;
    const TFormatSettings& s_;
    qsizetype pos_ = 0;
};

[[noreturn]] void ConvertError(const QString& pattern, const QString& text) {
    throw EConvertError(pattern.arg(text));
}

} // namespace

TDateOrder GetDateOrder(const QString& dateFormat) {
    for (const QChar c : dateFormat) {
        switch (Upper(c).unicode()) {
        case u'E':
        case u'Y':
            return doYMD;
        case u'M':
            return doMDY;
        case u'D':
            return doDMY;
        default:
            break;
        }
    }
    return doMDY;
}

QString FormatDateTime(const QString& format, TDateTime value, const TFormatSettings& settings) {
    return DateTimeFormatter(value, settings).Run(format);
}

QString FormatDateTime(const QString& format, TDateTime value) {
    return FormatDateTime(format, value, FormatSettings());
}

void DateTimeToString(QString& result, const QString& format, TDateTime value) {
    result = FormatDateTime(format, value);
}

QString DateToStr(TDateTime value) {
    return FormatDateTime(FormatSettings().ShortDateFormat, value);
}

QString TimeToStr(TDateTime value) {
    return FormatDateTime(FormatSettings().LongTimeFormat, value);
}

QString DateTimeToStr(TDateTime value) {
    return FormatDateTime(QString(), value);
}

bool TryStrToDate(const QString& text, TDateTime& value, const TFormatSettings& settings) {
    DateTimeScanner scan(text, settings);
    TDateTime date = 0;
    if (!scan.Date(date) || !scan.AtEnd())
        return false;
    value = date;
    return true;
}

bool TryStrToTime(const QString& text, TDateTime& value, const TFormatSettings& settings) {
    DateTimeScanner scan(text, settings);
    TDateTime time = 0;
    if (!scan.Time(time) || !scan.AtEnd())
        return false;
    value = time;
    return true;
}

bool TryStrToDateTime(const QString& text, TDateTime& value, const TFormatSettings& settings) {
    DateTimeScanner scan(text, settings);
    TDateTime date = 0, time = 0;
    if (scan.Date(date) && (scan.AtEnd() || scan.Time(time)) && scan.AtEnd()) {
        // Before the base date the fraction still counts forward from midnight.
        value = date >= 0 ? date + time : date - time;
        return true;
    }
    return TryStrToTime(text, value, settings);
}

bool TryStrToDate(const QString& text, TDateTime& value) {
    return TryStrToDate(text, value, FormatSettings());
}

bool TryStrToTime(const QString& text, TDateTime& value) {
    return TryStrToTime(text, value, FormatSettings());
}

bool TryStrToDateTime(const QString& text, TDateTime& value) {
    return TryStrToDateTime(text, value, FormatSettings());
}

TDateTime StrToDate(const QString& text) {
    TDateTime value = 0;
    if (!TryStrToDate(text, value))
        ConvertError(QStringLiteral("'%1' is not a valid date"), text);
    return value;
}

TDateTime StrToTime(const QString& text) {
    TDateTime value = 0;
    if (!TryStrToTime(text, value))
        ConvertError(QStringLiteral("'%1' is not a valid time"), text);
    return value;
}

TDateTime StrToDateTime(const QString& text) {
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value))
        ConvertError(QStringLiteral("'%1' is not a valid date and time"), text);
    return value;
}

} // namespace vexo
