#include "platform/text/editmask.h"

#include <optional>

#include "platform/text/formatsettings.h"

namespace vexo {

namespace {

// The pattern's field ends at the first ";" that no "\" escapes.
QStringList SplitFields(const QString& mask) {
    QStringList fields{QString()};
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar ch = mask[i];
        if (ch == QLatin1Char('\\') && i + 1 < mask.size() && fields.size() == 1) {
            fields.last() += ch;
            fields.last() += mask[++i];
        } else if (ch == QLatin1Char(';')) {
            fields.append(QString());
        } else {
            fields.last() += ch;
        }
    }
    return fields;
}

TMaskPosition Literal(QChar ch) {
    TMaskPosition p;
    p.Literal = ch;
    return p;
}

} // namespace

bool TMaskPosition::Accepts(QChar ch) const {
    switch (Class) {
    case TMaskCharClass::Literal:
        return ch == Literal;
    case TMaskCharClass::Letter:
        return ch.isLetter();
    case TMaskCharClass::LetterOrDigit:
        return ch.isLetterOrNumber();
    case TMaskCharClass::AnyChar:
        return true;
    case TMaskCharClass::Digit:
        return ch.isDigit();
    case TMaskCharClass::DigitOrSign:
        return ch.isDigit() || ch == QLatin1Char('+') || ch == QLatin1Char('-');
    }
    return false;
}

QChar TMaskPosition::Converted(QChar ch) const {
    switch (Case) {
    case TMaskCase::Upper:
        return ch.toUpper();
    case TMaskCase::Lower:
        return ch.toLower();
    case TMaskCase::None:
        break;
    }
    return ch;
}

TEditMask::TEditMask(const QString& editMask) {
    if (editMask.isEmpty())
        return;
    const QStringList fields = SplitFields(editMask);
    if (fields.size() > 3)
        throw EEditMaskError(
            QStringLiteral("Invalid edit mask %1: more than three fields").arg(editMask));
    if (fields.size() > 1) {
        const QString& save = fields[1];
        if (!save.isEmpty() && save != QLatin1String("0") && save != QLatin1String("1"))
            throw EEditMaskError(
                QStringLiteral("Invalid edit mask %1: the second field is 0 or 1").arg(editMask));
        saveLiterals_ = save != QLatin1String("0");
    }
    if (fields.size() > 2) {
        if (fields[2].size() > 1)
            throw EEditMaskError(
                QStringLiteral("Invalid edit mask %1: the blank is one character").arg(editMask));
        if (fields[2].size() == 1)
            blank_ = fields[2][0];
    }

    const QString& pattern = fields[0];
    TMaskCase current = TMaskCase::None;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar ch = pattern[i];
        auto input = [&](TMaskCharClass c, bool required) {
            TMaskPosition p;
            p.Class = c;
            p.Required = required;
            p.Case = current;
            positions_.append(p);
        };
        switch (ch.unicode()) {
        case '\\':
            if (i + 1 == pattern.size())
                throw EEditMaskError(
                    QStringLiteral("Invalid edit mask %1: \"\\\" at the end").arg(editMask));
            positions_.append(Literal(pattern[++i]));
            break;
        case '!':
            fromRight_ = true;
            break;
        case '>':
            current = TMaskCase::Upper;
            break;
        case '<':
            if (i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char('>')) {
                current = TMaskCase::None;
                ++i;
            } else {
                current = TMaskCase::Lower;
            }
            break;
        case '_':
            positions_.append(Literal(QLatin1Char(' ')));
            break;
        case ':':
            positions_.append(Literal(FormatSettings().TimeSeparator));
            break;
        case '/':
            positions_.append(Literal(FormatSettings().DateSeparator));
            break;
        case 'L':
        case 'l':
            input(TMaskCharClass::Letter, ch == QLatin1Char('L'));
            break;
        case 'A':
        case 'a':
            input(TMaskCharClass::LetterOrDigit, ch == QLatin1Char('A'));
            break;
        case 'C':
        case 'c':
            input(TMaskCharClass::AnyChar, ch == QLatin1Char('C'));
            break;
        case '0':
        case '9':
            input(TMaskCharClass::Digit, ch == QLatin1Char('0'));
            break;
        case '#':
            input(TMaskCharClass::DigitOrSign, false);
            break;
        default:
            positions_.append(Literal(ch));
        }
    }
}

QString TEditMask::Format(const QString& text) const {
    if (positions_.isEmpty())
        return text;
    // The characters that go into the input positions, in order, and what is left over.
    QList<std::optional<QChar>> data;
    QString tail;
    if (saveLiterals_) {
        qsizetype i = 0;
        for (const TMaskPosition& p : positions_) {
            if (i == text.size())
                break;
            if (p.Class == TMaskCharClass::Literal) {
                if (text[i] == p.Literal)
                    ++i;
            } else {
                data.append(text[i++]);
            }
        }
        tail = text.mid(i);
    } else {
        for (QChar ch : text)
            data.append(ch);
    }
    qsizetype inputs = 0;
    for (const TMaskPosition& p : positions_)
        inputs += p.Class != TMaskCharClass::Literal;
    if (fromRight_ && data.size() < inputs)
        data.insert(0, inputs - data.size(), std::nullopt);

    QString result;
    result.reserve(positions_.size() + tail.size());
    qsizetype next = 0;
    for (const TMaskPosition& p : positions_) {
        if (p.Class == TMaskCharClass::Literal) {
            result += p.Literal;
        } else {
            const std::optional<QChar> ch = next < data.size() ? data[next] : std::nullopt;
            ++next;
            result += ch ? p.Converted(*ch) : blank_;
        }
    }
    for (; next < data.size(); ++next)
        if (data[next])
            result += *data[next];
    return result + tail;
}

QString FormatMaskText(const QString& editMask, const QString& value) {
    return TEditMask(editMask).Format(value);
}

} // namespace vexo
