#include "platform/text/floatformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "platform/runtime/exception.h"
#include "platform/text/formatsettings.h"

namespace vexo {

namespace {

// Digits of the significant part of a decimal value: value = 0.<digits> * 10^exponent.
// `digits` has no leading or trailing zeros; empty means zero.
struct DecimalRec {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Reads "d.ddde<exp>" (as written by to_chars) into a DecimalRec.
DecimalRec ParseScientific(const std::string& text, bool negative) {
    DecimalRec rec;
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            rec.digits += text[i];
    }
    while (!rec.digits.empty() && rec.digits.back() == '0')
        rec.digits.pop_back();
    if (rec.digits.empty() || rec.digits[0] == '0')
        return {};
    rec.exponent = std::stoi(text.substr(e + 1)) + 1;
    rec.negative = negative;
    return rec;
}

// The value rounded to at most `precision` significant digits and at most `decimals` digits
// after the decimal point. Rounding works on the exact decimal expansion of the double and
// goes half away from zero, as the classic conversions do (2.5 -> 3, 0.125 -> 0.13).
DecimalRec ToDecimal(double value, int precision, int decimals) {
    if (value == 0.0)
        return {};
    // Every double has an exact decimal expansion of at most 767 significant digits.
    static constexpr int ExactDigits = 780;
    char buffer[ExactDigits + 16];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, ExactDigits);
    DecimalRec rec = ParseScientific(std::string(buffer, written.ptr), std::signbit(value));
    const long keep = std::min<long>(precision, static_cast<long>(rec.exponent) + decimals);
    if (keep < 0)
        return {};
    if (static_cast<std::size_t>(keep) >= rec.digits.size())
        return rec;
    const bool up = rec.digits[static_cast<std::size_t>(keep)] >= '5';
    rec.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        std::size_t i = rec.digits.size();
        while (i > 0 && rec.digits[i - 1] == '9')
            rec.digits[--i] = '0';
        if (i == 0) {
            rec.digits.insert(rec.digits.begin(), '1');
            ++rec.exponent;
        } else {
            ++rec.digits[i - 1];
        }
    }
    while (!rec.digits.empty() && rec.digits.back() == '0')
        rec.digits.pop_back();
    if (rec.digits.empty())
        return {};
    return rec;
}

QString DigitsOf(const std::string& digits) {
    return QString::fromLatin1(digits);
}

// Integer part of a rec: its digits left of the point, "0"-padded; empty when below one.
QString IntegerDigits(const DecimalRec& rec) {
    if (rec.exponent <= 0)
        return {};
    std::string part = rec.digits.substr(
        0, std::min<std::size_t>(rec.digits.size(), static_cast<std::size_t>(rec.exponent)));
    part.resize(static_cast<std::size_t>(rec.exponent), '0');
    return DigitsOf(part);
}

// Fraction part of a rec: the digits right of the point without trailing zeros.
QString FractionDigits(const DecimalRec& rec) {
    if (rec.digits.empty())
        return {};
    const int lead = std::max(0, -rec.exponent);
    const std::size_t from = static_cast<std::size_t>(std::max(0, rec.exponent));
    if (from >= rec.digits.size())
        return {};
    return QString(lead, QLatin1Char('0')) + DigitsOf(rec.digits.substr(from));
}

QString Grouped(const QString& integerDigits, QChar separator) {
    QString out;
    const qsizetype n = integerDigits.size();
    for (qsizetype i = 0; i < n; ++i) {
        out += integerDigits.at(i);
        const qsizetype left = n - 1 - i;
        if (left > 0 && left % 3 == 0)
            out += separator;
    }
    return out;
}

QString ExponentText(int exponent, bool alwaysSign, int minDigits) {
    QString out;
    if (exponent < 0)
        out += QLatin1Char('-');
    else if (alwaysSign)
        out += QLatin1Char('+');
    out += QString::number(std::abs(exponent)).rightJustified(minDigits, QLatin1Char('0'));
    return out;
}

// `exponentDigits`: the least number of exponent digits in the scientific form.
QString GeneralText(const DecimalRec& rec, int precision, int exponentDigits) {
    const TFormatSettings& fs = FormatSettings();
    QString out = rec.negative ? QStringLiteral("-") : QString();
    if (rec.exponent > precision || rec.exponent < -3) {
        out += QLatin1Char(rec.digits.at(0));
        if (rec.digits.size() > 1)
            out += fs.DecimalSeparator + DigitsOf(rec.digits.substr(1));
        return out + QLatin1Char('E') + ExponentText(rec.exponent - 1, false, exponentDigits);
    }
    const QString integer = IntegerDigits(rec);
    out += integer.isEmpty() ? QStringLiteral("0") : integer;
    const QString fraction = FractionDigits(rec);
    if (!fraction.isEmpty())
        out += fs.DecimalSeparator + fraction;
    return out;
}

QString ExponentFormText(const DecimalRec& rec, int precision, int digits) {
    std::string mantissa = rec.digits;
    mantissa.resize(static_cast<std::size_t>(precision), '0');
    const int exponent = rec.digits.empty() ? 0 : rec.exponent - 1;
    QString out = rec.negative ? QStringLiteral("-") : QString();
    out += QLatin1Char(mantissa.at(0));
    out += FormatSettings().DecimalSeparator + DigitsOf(mantissa.substr(1));
    return out + QLatin1Char('E') + ExponentText(exponent, true, digits);
}

// The unsigned "ddd.ddd" part of the fixed, number and currency formats.
QString FixedBody(const DecimalRec& rec, int digits, bool grouped) {
    const TFormatSettings& fs = FormatSettings();
    QString integer = IntegerDigits(rec);
    if (integer.isEmpty())
        integer = QStringLiteral("0");
    QString out = grouped ? Grouped(integer, fs.ThousandSeparator) : integer;
    if (digits > 0)
        out += fs.DecimalSeparator + FractionDigits(rec).leftJustified(digits, QLatin1Char('0'));
    return out;
}

} // namespace

QString FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    precision = std::clamp(precision, 2, MaxFloatPrecision);
    const bool byDigits = format == ffFixed || format == ffNumber || format == ffCurrency;
    digits = std::clamp(digits, 0, byDigits ? MaxFloatPrecision : 4);
    const DecimalRec rec = ToDecimal(value, precision, byDigits ? digits : 9999);
    if (format == ffExponent)
        return ExponentFormText(rec, precision, digits);
    if (!byDigits)
        return GeneralText(rec, precision, digits);
    // Here digits count decimals, which a scientific form has no use for.
    if (rec.exponent > precision)
        return GeneralText(rec, precision, 0);
    const QString body = FixedBody(rec, digits, format != ffFixed);
    if (format == ffCurrency) {
        const QString money = FormatSettings().CurrencyString + body;
        return rec.negative ? QLatin1Char('(') + money + QLatin1Char(')') : money;
    }
    return rec.negative ? QLatin1Char('-') + body : body;
}

QString FloatToStr(double value) {
    return FloatToStrF(value, ffGeneral, 15, 0);
}

namespace {

// One section of a FormatFloat pattern and what its placeholders ask for.
struct PatternSection {
    QString text;
    int integerPlaces = 0;  // digit placeholders before the decimal point
    int fractionPlaces = 0; // digit placeholders after it
    int minInteger = 0;     // integer digits always shown (from the first "0")
    int minFraction = 0;    // fraction digits always shown (up to the last "0")
    bool thousands = false;
    bool scientific = false;
};

// Splits at ";" outside quoted literals.
QStringList SplitSections(const QString& pattern) {
    QStringList sections;
    QString current;
    QChar quote;
    for (const QChar c : pattern) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

bool IsExponentAt(const QString& text, qsizetype i) {
    return (text.at(i) == QLatin1Char('E') || text.at(i) == QLatin1Char('e')) &&
           i + 1 < text.size() &&
           (text.at(i + 1) == QLatin1Char('+') || text.at(i + 1) == QLatin1Char('-'));
}

PatternSection AnalyseSection(const QString& text) {
    PatternSection s;
    s.text = text;
    int digitCount = 0;
    int decimalIndex = -1;
    int firstZero = -1;
    int lastZero = -1;
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (s.scientific) {
            continue; // after the exponent everything is literal text
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (c == QLatin1Char('0')) {
                if (firstZero < 0)
                    firstZero = digitCount;
                lastZero = digitCount;
            }
            ++digitCount;
        } else if (c == QLatin1Char('.')) {
            if (decimalIndex < 0)
                decimalIndex = digitCount;
        } else if (c == QLatin1Char(',')) {
            s.thousands = true;
        } else if (IsExponentAt(text, i)) {
            s.scientific = true;
        }
    }
    s.integerPlaces = decimalIndex < 0 ? digitCount : decimalIndex;
    s.fractionPlaces = digitCount - s.integerPlaces;
    if (firstZero >= 0 && firstZero < s.integerPlaces)
        s.minInteger = s.integerPlaces - firstZero;
    if (lastZero >= s.integerPlaces)
        s.minFraction = lastZero - s.integerPlaces + 1;
    return s;
}

// Writes a rounded value through a section's placeholders.
QString ApplySection(const PatternSection& s, DecimalRec rec, int exponentValue, bool withSign) {
    const TFormatSettings& fs = FormatSettings();
    QString integer = IntegerDigits(rec);
    if (integer.size() < s.minInteger)
        integer = integer.rightJustified(s.minInteger, QLatin1Char('0'));
    QString fraction = FractionDigits(rec);
    if (fraction.size() < s.minFraction)
        fraction = fraction.leftJustified(s.minFraction, QLatin1Char('0'));
    const qsizetype intLen = integer.size();

    QString out = withSign ? QStringLiteral("-") : QString();
    auto putIntegerDigit = [&](qsizetype index) { // index into `integer`
        out += integer.at(index);
        const qsizetype position = intLen - index; // 1 = units
        if (s.thousands && position > 1 && (position - 1) % 3 == 0)
            out += fs.ThousandSeparator;
    };
    int integerSeen = 0;
    int fractionSeen = 0;
    bool pointDone = false;
    bool exponentDone = false;
    QChar quote;
    const QString& text = s.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out += c;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (exponentDone) {
            out += c;
        } else if ((c == QLatin1Char('0') || c == QLatin1Char('#')) && !pointDone &&
                   integerSeen < s.integerPlaces) {
            const qsizetype position = s.integerPlaces - integerSeen; // 1 = units
            if (integerSeen == 0) {
                for (qsizetype k = 0; k + position <= intLen; ++k)
                    putIntegerDigit(k);
            } else if (intLen >= position) {
                putIntegerDigit(intLen - position);
            }
            ++integerSeen;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (fractionSeen < fraction.size())
                out += fraction.at(fractionSeen);
            ++fractionSeen;
        } else if (c == QLatin1Char('.')) {
            if (pointDone)
                continue;
            pointDone = true;
            // Integer digits without any integer placeholder still belong before the point.
            if (s.integerPlaces == 0)
                out += integer;
            if (!fraction.isEmpty())
                out += fs.DecimalSeparator;
        } else if (c == QLatin1Char(',')) {
            continue;
        } else if (IsExponentAt(text, i)) {
            const bool alwaysSign = text.at(i + 1) == QLatin1Char('+');
            int zeros = 0;
            qsizetype j = i + 2;
            while (j < text.size() && text.at(j) == QLatin1Char('0')) {
                ++zeros;
                ++j;
            }
            out += c + ExponentText(exponentValue, alwaysSign, std::min(zeros, 4));
            i = j - 1;
            exponentDone = true;
        } else {
            out += c;
        }
    }
    return out;
}

// Significant digits FormatFloat works with outside its scientific form: all a double holds.
constexpr int PatternPrecision = 15;

QString FormatWithSection(const PatternSection& s, double magnitude, bool withSign,
                          bool* roundedToZero) {
    DecimalRec rec;
    int exponentValue = 0;
    if (s.scientific) {
        rec = ToDecimal(magnitude,
                        std::clamp(s.integerPlaces + s.fractionPlaces, 1, MaxFloatPrecision), 9999);
        if (!rec.digits.empty()) {
            exponentValue = rec.exponent - s.integerPlaces;
            rec.exponent = s.integerPlaces;
        }
    } else {
        rec = ToDecimal(magnitude, PatternPrecision, s.fractionPlaces);
    }
    if (roundedToZero)
        *roundedToZero = rec.digits.empty();
    return ApplySection(s, rec, exponentValue, withSign && !rec.digits.empty());
}

} // namespace

QString FormatFloat(const QString& pattern, double value) {
    if (!std::isfinite(value))
        return FloatToStr(value);
    const QStringList sections = SplitSections(pattern);
    if (sections.at(0).isEmpty() && sections.size() == 1)
        return FloatToStr(value);
    auto sectionAt = [&](int i) { return i < sections.size() ? sections.at(i) : QString(); };
    const QString zeroSection = sectionAt(2);
    const PatternSection first = AnalyseSection(sections.at(0));
    if (value == 0.0)
        return FormatWithSection(
            AnalyseSection(zeroSection.isEmpty() ? sections.at(0) : zeroSection), 0.0, false,
            nullptr);
    bool zero = false;
    QString text;
    if (value < 0 && !sectionAt(1).isEmpty())
        text = FormatWithSection(AnalyseSection(sectionAt(1)), -value, false, &zero);
    else
        text = FormatWithSection(first, std::fabs(value), value < 0, &zero);
    // A value that rounds to zero shows as zero, without a sign.
    if (zero)
        return FormatWithSection(zeroSection.isEmpty() ? first : AnalyseSection(zeroSection), 0.0,
                                 false, nullptr);
    return text;
}

namespace {

bool IsBlank(QChar c) {
    return c.unicode() <= ' ';
}

} // namespace

bool TryStrToFloat(const QString& text, double& value) {
    const QChar separator = FormatSettings().DecimalSeparator;
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsBlank(text.at(end - 1)))
        --end;
    std::string ascii; // normalised for from_chars: no "+", "." as the point
    bool negative = false;
    qsizetype i = begin;
    if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int mantissaDigits = 0;
    int integerDigits = 0;
    bool point = false;
    for (; i < end; ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ascii += static_cast<char>(c.unicode());
            ++mantissaDigits;
            if (!point)
                ++integerDigits;
        } else if (c == separator && !point) {
            ascii += '.';
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return false;
    long exponent = 0;
    if (i < end && (text.at(i) == QLatin1Char('E') || text.at(i) == QLatin1Char('e'))) {
        ascii += 'e';
        ++i;
        if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
            if (text.at(i) == QLatin1Char('-'))
                ascii += '-';
            ++i;
        }
        int exponentDigits = 0;
        for (; i < end && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i) {
            ascii += static_cast<char>(text.at(i).unicode());
            if (exponent < 100000)
                exponent = exponent * 10 + (text.at(i).unicode() - '0');
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
        if (ascii.find("e-") != std::string::npos)
            exponent = -exponent;
    }
    if (i != end)
        return false;
    double parsed = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to represent reads as zero; too large is not a valid value.
        if (integerDigits + exponent > 0)
            return false;
        parsed = 0;
    } else if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) {
        return false;
    }
    value = negative ? -parsed : parsed;
    return true;
}

double StrToFloat(const QString& text) {
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

bool TryStrToInt(const QString& text, int& value) {
    qsizetype i = 0;
    const qsizetype end = text.size();
    while (i < end && IsBlank(text.at(i)))
        ++i;
    bool negative = false;
    if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < end && text.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < end && text.at(i) == QLatin1Char('0') &&
               (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i == end)
        return false;
    quint64 magnitude = 0;
    for (; i < end; ++i) {
        const char16_t c = text.at(i).unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0)
            return false;
        magnitude = magnitude * static_cast<quint64>(base) + static_cast<quint64>(digit);
        if (magnitude > 0xFFFFFFFFull)
            return false;
    }
    qint64 result = 0;
    if (base == 16) {
        // Hexadecimal reads the 32-bit pattern: $FFFFFFFF is -1.
        result = static_cast<qint32>(static_cast<quint32>(magnitude));
    } else {
        result = static_cast<qint64>(magnitude);
        if (result > (negative ? 2147483648LL : 2147483647LL))
            return false;
    }
    if (negative)
        result = -result;
    value = static_cast<qint32>(static_cast<quint32>(static_cast<quint64>(result)));
    return true;
}

int StrToInt(const QString& text) {
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

int StrToIntDef(const QString& text, int defaultValue) {
    int value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

QString IntToStr(int value) {
    return QString::number(value);
}

QString IntToStr(qint64 value) {
    return QString::number(value);
}

} // namespace vexo
