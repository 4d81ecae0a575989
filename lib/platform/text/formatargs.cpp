#include "platform/text/formatargs.h"

#include "platform/runtime/exception.h"
#include "platform/text/floatformat.h"

namespace vexo {

namespace {

class TFormatter {
public:
    TFormatter(const QString& format, const QVariantList& args) : format_(format), args_(args) {}

    QString Run() {
        QString out;
        for (pos_ = 0; pos_ < format_.size();) {
            const QChar c = format_[pos_++];
            if (c != QLatin1Char('%'))
                out += c;
            else if (Peek() == QLatin1Char('%'))
                out += format_[pos_++];
            else
                out += Specifier();
        }
        return out;
    }

private:
    [[noreturn]] void Invalid() const {
        throw EConvertError(
            QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format_));
    }
    QChar Peek() const { return pos_ < format_.size() ? format_[pos_] : QChar(); }

    const QVariant& NextArg() {
        if (argIndex_ >= args_.size())
            throw EConvertError(QStringLiteral("No argument for format '%1'").arg(format_));
        return args_[argIndex_++];
    }

    // A number, "*" (the next argument) or nothing (-1).
    int Number() {
        if (Peek() == QLatin1Char('*')) {
            ++pos_;
            const QVariant& arg = NextArg();
            if (!IsInteger(arg))
                Invalid();
            return arg.toInt();
        }
        int value = -1;
        while (Peek().isDigit()) {
            value = (value < 0 ? 0 : value) * 10 + Peek().digitValue();
            if (value > 1'000'000)
                Invalid();
            ++pos_;
        }
        return value;
    }

    static bool IsInteger(const QVariant& v) {
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return true;
        default:
            return false;
        }
    }
    static bool IsFloat(const QVariant& v) {
        return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float;
    }

    QString Specifier() {
        int first = Number();
        if (Peek() == QLatin1Char(':')) {
            ++pos_;
            if (first < 0)
                first = 0;
            argIndex_ = first;
            first = -1;
        }
        bool left = false;
        if (first < 0 && Peek() == QLatin1Char('-')) {
            left = true;
            ++pos_;
        }
        const int width = first >= 0 ? first : Number();
        int precision = -1;
        if (Peek() == QLatin1Char('.')) {
            ++pos_;
            precision = Number();
        }
        if (pos_ >= format_.size())
            Invalid();
        const QChar type = format_[pos_++].toLower();
        const QString text = Convert(type, precision);
        if (width <= text.size())
            return text;
        return left ? text.leftJustified(width) : text.rightJustified(width);
    }

    QString Convert(QChar type, int precision) {
        const QVariant& arg = NextArg();
        switch (type.unicode()) {
        case 'd':
        case 'u': {
            if (!IsInteger(arg))
                Invalid();
            const qlonglong value = arg.toLongLong();
            QString digits = type == QLatin1Char('u') ? QString::number(quint32(value))
                                                      : QString::number(qAbs(value));
            if (precision > digits.size())
                digits = digits.rightJustified(precision, QLatin1Char('0'));
            return (type == QLatin1Char('d') && value < 0) ? QLatin1Char('-') + digits : digits;
        }
        case 'x': {
            if (!IsInteger(arg))
                Invalid();
            QString digits = QString::number(quint64(arg.toLongLong()), 16).toUpper();
            return precision > digits.size() ? digits.rightJustified(precision, QLatin1Char('0'))
                                             : digits;
        }
        case 'p':
            if (!IsInteger(arg))
                Invalid();
            return QString::number(quint64(arg.toLongLong()), 16)
                .toUpper()
                .rightJustified(8, QLatin1Char('0'));
        case 's': {
            if (arg.typeId() != QMetaType::QString && arg.typeId() != QMetaType::QChar)
                Invalid();
            const QString text = arg.toString();
            return precision >= 0 ? text.left(precision) : text;
        }
        case 'e':
        case 'f':
        case 'g':
        case 'n':
        case 'm': {
            if (!IsFloat(arg) && !IsInteger(arg))
                Invalid();
            const double value = arg.toDouble();
            switch (type.unicode()) {
            case 'e':
                return FloatToStrF(value, ffExponent, precision < 0 ? 15 : precision, 3);
            case 'g':
                return FloatToStrF(value, ffGeneral, precision < 0 ? 15 : precision, 3);
            default: {
                const TFloatFormat format =
                    type == QLatin1Char('f') ? ffFixed
                                             : (type == QLatin1Char('n') ? ffNumber : ffCurrency);
                return FloatToStrF(value, format, 18, precision < 0 ? 2 : qMin(precision, 18));
            }
            }
        }
        default:
            Invalid();
        }
    }

    const QString& format_;
    const QVariantList& args_;
    qsizetype pos_ = 0;
    qsizetype argIndex_ = 0;
};

} // namespace

QString Format(const QString& format, const QVariantList& args) {
    return TFormatter(format, args).Run();
}

} // namespace vexo
