#include "utils/convutils.h"

#include "platform/text/floatformat.h"
#include "platform/text/formatsettings.h"
#include "utils/strutils.h"

namespace vexo {

int DefSQLFloatWidth = 15;
int DefSQLFloatDecimals = 3;

namespace {

QString WithoutBlanks(const QString& text) {
    QString result = text;
    return result.remove(QLatin1Char(' '));
}

} // namespace

QString BoolToStr(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

bool StrToBool(const QString& text) {
    const QString upper = StrUpper(text);
    return upper == u"TRUE" || upper == u"T" || upper == u"1" || upper == u"YES" || upper == u"Y";
}

QString AlignmentToStr(TAlignment alignment) {
    switch (alignment) {
    case taLeftJustify:
        return QStringLiteral("taLeftJustify");
    case taRightJustify:
        return QStringLiteral("taRightJustify");
    case taCenter:
    default:
        return QStringLiteral("taCenter");
    }
}

TAlignment StrToAlignment(const QString& text) {
    const QString upper = StrUpper(text);
    if (upper == u"TALEFTJUSTIFY")
        return taLeftJustify;
    if (upper == u"TARIGHTJUSTIFY")
        return taRightJustify;
    return taCenter;
}

QString AlignToStr(TAlign align) {
    static const char* const names[] = {"alNone", "alTop",   "alBottom",
                                        "alLeft", "alRight", "alClient"};
    const int index = int(align);
    return index >= 0 && index < 6 ? QLatin1String(names[index]) : QString();
}

TAlign StrToAlign(const QString& text) {
    const QString upper = StrUpper(text);
    if (upper == u"ALCLIENT")
        return alClient;
    if (upper == u"ALRIGHT")
        return alRight;
    if (upper == u"ALNONE")
        return alNone;
    if (upper == u"ALTOP")
        return alTop;
    if (upper == u"ALBOTTOM")
        return alBottom;
    return alLeft;
}

QString IntToStrF(int value, int width) {
    return QStringLiteral("%1").arg(value, std::max(width, 0), 10, QLatin1Char(' '));
}

QString FloatToStrF(double value, int /*width*/, int decimals, bool keepPoint) {
    QString text = QString::number(value, 'f', std::max(decimals, 0));
    if (!keepPoint)
        text.replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
    return text;
}

QString FloatToSQLFloat(double value) {
    return FloatToStrF(value, DefSQLFloatWidth, DefSQLFloatDecimals, true);
}

int HexToInt(const QString& text) {
    const QString hex = text.contains(QLatin1Char('$')) ? text : QLatin1Char('$') + text;
    return StrToIntDef(hex, 0);
}

bool IsFloat(const QString& text) {
    const QChar separator = FormatSettings().DecimalSeparator;
    QString t = WithoutBlanks(text);
    t.replace(QLatin1Char('.'), separator);
    if (t.isEmpty())
        return false;
    bool exponent = false, point = false;
    for (const QChar c : t) {
        if (c == u'E' || c == u'e') {
            if (exponent)
                return false;
            exponent = true;
        } else if (c == separator) {
            if (exponent || point)
                return false;
            point = true;
        } else if (!(c.isDigit() && c.unicode() < 128) && c != u'-') {
            return false;
        }
    }
    return !exponent || (t.back() != u'E' && t.back() != u'e');
}

bool IsInteger(const QString& text) {
    // Blanks may lead, may stand between the sign and the digits, and may trail; once a blank
    // follows a digit the number has ended.
    enum { Start, AfterMinus, InDigits, TrailingBlanks } state = Start;
    for (const QChar c : text) {
        if (c == u' ') {
            if (state == InDigits)
                state = TrailingBlanks;
        } else if (c == u'-') {
            if (state != Start)
                return false;
            state = AfterMinus;
        } else if (c >= u'0' && c <= u'9') {
            if (state == TrailingBlanks)
                return false;
            state = InDigits;
        } else {
            return false;
        }
    }
    return true;
}

int WStrToInt(const QString& text, bool& error) {
    int value = 0;
    error = !IsInteger(text) || !TryStrToInt(WithoutBlanks(text), value);
    return error ? 0 : value;
}

double WStrToFloat(const QString& text, bool& error) {
    QString t = WithoutBlanks(text);
    t.replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
    double value = 0;
    error = !IsFloat(t) || !TryStrToFloat(t, value);
    return error ? 0 : value;
}

} // namespace vexo
