#include "platform/runtime/streamtext.h"

#include <QLocale>
#include <cctype>
#include <cmath>
#include <limits>

#include "platform/runtime/filer.h"

namespace vexo {

namespace {

struct TToken {
    enum TKind { tkEnd, tkIdent, tkInteger, tkFloat, tkString, tkBinary, tkSymbol };
    TKind Kind = tkEnd;
    QString Text; // identifier, string, or the symbol
    qint64 Integer = 0;
    double Float = 0;
    QByteArray Binary;
    int Line = 1;
};

bool IsIdentStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_');
}

bool IsIdentChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.');
}

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

class TLexer {
public:
    explicit TLexer(const QString& text) : text_(text) {}

    const TToken& Current() const { return current_; }
    void Next() { current_ = Scan(); }

private:
    [[noreturn]] void Fail(const QString& message) const { throw EReadError(line_, message); }
    QChar Peek(qsizetype ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_.at(pos_ + ahead) : QChar();
    }

    void SkipBlanksAndComments() {
        while (pos_ < text_.size()) {
            const QChar c = text_.at(pos_);
            if (c == QLatin1Char('\n')) {
                ++line_;
                ++pos_;
            } else if (c.isSpace()) {
                ++pos_;
            } else if (c == QLatin1Char('/') && Peek(1) == QLatin1Char('/')) {
                while (pos_ < text_.size() && text_.at(pos_) != QLatin1Char('\n'))
                    ++pos_;
            } else {
                return;
            }
        }
    }

    TToken Scan() {
        SkipBlanksAndComments();
        TToken t;
        t.Line = line_;
        if (pos_ >= text_.size())
            return t;
        const QChar c = text_.at(pos_);
        if (IsIdentStart(c)) {
            const qsizetype start = pos_;
            while (pos_ < text_.size() && IsIdentChar(text_.at(pos_)))
                ++pos_;
            t.Kind = TToken::tkIdent;
            t.Text = text_.mid(start, pos_ - start);
            if (t.Text.compare(QLatin1String("NaN"), Qt::CaseInsensitive) == 0 ||
                t.Text.compare(QLatin1String("Inf"), Qt::CaseInsensitive) == 0) {
                t.Kind = TToken::tkFloat;
                t.Float = t.Text.size() == 3 && t.Text.at(0).toLower() == QLatin1Char('n')
                              ? std::numeric_limits<double>::quiet_NaN()
                              : std::numeric_limits<double>::infinity();
            }
            return t;
        }
        if (IsDigit(c) || c == QLatin1Char('$') ||
            (c == QLatin1Char('-') && (IsDigit(Peek(1)) || Peek(1) == QLatin1Char('$') ||
                                       Peek(1).toLower() == QLatin1Char('i'))))
            return ScanNumber(t);
        if (c == QLatin1Char('\'') || c == QLatin1Char('#'))
            return ScanString(t);
        if (c == QLatin1Char('{'))
            return ScanBinary(t);
        ++pos_;
        t.Kind = TToken::tkSymbol;
        t.Text = QString(c);
        return t;
    }

    TToken ScanNumber(TToken& t) {
        const bool negative = text_.at(pos_) == QLatin1Char('-');
        if (negative)
            ++pos_;
        if (Peek().toLower() == QLatin1Char('i')) {
            const qsizetype start = pos_;
            while (pos_ < text_.size() && IsIdentChar(text_.at(pos_)))
                ++pos_;
            if (text_.mid(start, pos_ - start).compare(QLatin1String("Inf"), Qt::CaseInsensitive))
                Fail(QStringLiteral("Number expected"));
            t.Kind = TToken::tkFloat;
            t.Float = -std::numeric_limits<double>::infinity();
            return t;
        }
        bool ok = false;
        if (Peek() == QLatin1Char('$')) {
            const qsizetype start = ++pos_;
            while (pos_ < text_.size() && std::isxdigit(text_.at(pos_).toLatin1()))
                ++pos_;
            const quint64 value = text_.mid(start, pos_ - start).toULongLong(&ok, 16);
            if (!ok || value > quint64(std::numeric_limits<qint64>::max()))
                Fail(QStringLiteral("Invalid number"));
            t.Kind = TToken::tkInteger;
            t.Integer = negative ? -qint64(value) : qint64(value);
            return t;
        }
        const qsizetype start = pos_;
        while (IsDigit(Peek()))
            ++pos_;
        bool isFloat = false;
        if (Peek() == QLatin1Char('.') && IsDigit(Peek(1))) {
            isFloat = true;
            ++pos_;
            while (IsDigit(Peek()))
                ++pos_;
        }
        if (Peek().toLower() == QLatin1Char('e')) {
            qsizetype p = 1;
            if (Peek(p) == QLatin1Char('+') || Peek(p) == QLatin1Char('-'))
                ++p;
            if (IsDigit(Peek(p))) {
                isFloat = true;
                pos_ += p;
                while (IsDigit(Peek()))
                    ++pos_;
            }
        }
        if (IsIdentChar(Peek()))
            Fail(QStringLiteral("Invalid number"));
        const QString digits = text_.mid(start, pos_ - start);
        if (isFloat) {
            t.Kind = TToken::tkFloat;
            t.Float = QLocale::c().toDouble(digits, &ok);
            if (!ok)
                Fail(QStringLiteral("Invalid number"));
            if (negative)
                t.Float = -t.Float;
        } else {
            t.Kind = TToken::tkInteger;
            t.Integer = (negative ? QString(QLatin1Char('-')) + digits : digits).toLongLong(&ok);
            if (!ok)
                Fail(QStringLiteral("Invalid number"));
        }
        return t;
    }

    // Quoted runs and #n character codes, side by side without blanks.
    TToken ScanString(TToken& t) {
        t.Kind = TToken::tkString;
        while (pos_ < text_.size()) {
            const QChar c = text_.at(pos_);
            if (c == QLatin1Char('\'')) {
                ++pos_;
                while (true) {
                    if (pos_ >= text_.size() || text_.at(pos_) == QLatin1Char('\n'))
                        Fail(QStringLiteral("Invalid string constant"));
                    if (text_.at(pos_) == QLatin1Char('\'')) {
                        if (Peek(1) != QLatin1Char('\''))
                            break;
                        ++pos_;
                    }
                    t.Text.append(text_.at(pos_++));
                }
                ++pos_;
            } else if (c == QLatin1Char('#')) {
                const qsizetype start = ++pos_;
                while (IsDigit(Peek()))
                    ++pos_;
                bool ok = false;
                const uint code = text_.mid(start, pos_ - start).toUInt(&ok);
                if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                    Fail(QStringLiteral("Invalid string constant"));
                const char32_t ch = code;
                t.Text.append(QString::fromUcs4(&ch, 1));
            } else {
                break;
            }
        }
        return t;
    }

    TToken ScanBinary(TToken& t) {
        ++pos_;
        QByteArray hex;
        while (true) {
            if (pos_ >= text_.size())
                Fail(QStringLiteral("Invalid binary value"));
            const QChar c = text_.at(pos_++);
            if (c == QLatin1Char('}'))
                break;
            if (c == QLatin1Char('\n'))
                ++line_;
            else if (std::isxdigit(c.toLatin1()) && c.unicode() < 0x80)
                hex.append(c.toLatin1());
            else if (!c.isSpace())
                Fail(QStringLiteral("Invalid binary value"));
        }
        if (hex.size() % 2 != 0)
            Fail(QStringLiteral("Invalid binary value"));
        t.Kind = TToken::tkBinary;
        t.Binary = QByteArray::fromHex(hex);
        return t;
    }

    const QString& text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    TToken current_;
};

class TParser {
public:
    explicit TParser(const QString& text) : lexer_(text) { lexer_.Next(); }

    TStreamObject Root() {
        TStreamObject root = Object(1);
        if (Tok().Kind != TToken::tkEnd)
            Fail(QStringLiteral("End of text expected"));
        return root;
    }

private:
    const TToken& Tok() const { return lexer_.Current(); }
    [[noreturn]] void Fail(const QString& message) const { throw EReadError(Tok().Line, message); }
    bool IsWord(const char* word) const {
        return Tok().Kind == TToken::tkIdent &&
               Tok().Text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool IsSymbol(char symbol) const {
        return Tok().Kind == TToken::tkSymbol && Tok().Text == QLatin1Char(symbol);
    }
    void Expect(char symbol) {
        if (!IsSymbol(symbol))
            Fail(QStringLiteral("'%1' expected").arg(QLatin1Char(symbol)));
        lexer_.Next();
    }
    QString Ident() {
        if (Tok().Kind != TToken::tkIdent)
            Fail(QStringLiteral("Identifier expected"));
        const QString text = Tok().Text;
        lexer_.Next();
        return text;
    }
    void Deeper(int depth) const {
        if (depth > MaxStreamNesting)
            Fail(QStringLiteral("Nesting deeper than %1 levels").arg(MaxStreamNesting));
    }

    TStreamObject Object(int depth) {
        Deeper(depth);
        TStreamObject object;
        object.Line = Tok().Line;
        if (!IsWord("object"))
            Fail(QStringLiteral("'object' expected"));
        lexer_.Next();
        object.ClassName = Ident();
        if (IsSymbol(':')) {
            lexer_.Next();
            object.Name = object.ClassName;
            object.ClassName = Ident();
        }
        while (!IsWord("end")) {
            if (IsWord("object")) {
                object.Children.push_back(Object(depth + 1));
                continue;
            }
            if (Tok().Kind != TToken::tkIdent)
                Fail(QStringLiteral("'end' expected"));
            object.Properties.push_back(Property(depth));
        }
        lexer_.Next();
        return object;
    }

    TStreamProperty Property(int depth) {
        TStreamProperty property;
        property.Line = Tok().Line;
        property.Name = Ident();
        Expect('=');
        property.Value = Value(depth);
        return property;
    }

    TStreamValue Value(int depth) {
        TStreamValue value;
        value.Line = Tok().Line;
        switch (Tok().Kind) {
        case TToken::tkInteger:
            value.Integer = Tok().Integer;
            break;
        case TToken::tkFloat:
            value.Kind = TStreamValue::vaFloat;
            value.Float = Tok().Float;
            break;
        case TToken::tkString:
            value.Kind = TStreamValue::vaString;
            value.Text = Tok().Text;
            break;
        case TToken::tkIdent:
            value.Kind = TStreamValue::vaIdent;
            value.Text = Tok().Text;
            break;
        case TToken::tkBinary:
            value.Kind = TStreamValue::vaBinary;
            value.Binary = Tok().Binary;
            break;
        case TToken::tkSymbol:
            if (IsSymbol('['))
                return Set();
            if (IsSymbol('('))
                return List(depth + 1);
            if (IsSymbol('<'))
                return Collection(depth + 1);
            [[fallthrough]];
        case TToken::tkEnd:
            Fail(QStringLiteral("Property value expected"));
        }
        lexer_.Next();
        return value;
    }

    TStreamValue Set() {
        TStreamValue value = TStreamValue::Of(TStreamValue::vaSet);
        value.Line = Tok().Line;
        lexer_.Next();
        if (IsSymbol(']')) {
            lexer_.Next();
            return value;
        }
        while (true) {
            value.Elements.append(Ident());
            if (IsSymbol(']'))
                break;
            Expect(',');
        }
        lexer_.Next();
        return value;
    }

    TStreamValue List(int depth) {
        Deeper(depth);
        TStreamValue value = TStreamValue::Of(TStreamValue::vaList);
        value.Line = Tok().Line;
        lexer_.Next();
        while (!IsSymbol(')')) {
            if (Tok().Kind == TToken::tkEnd)
                Fail(QStringLiteral("')' expected"));
            value.List.push_back(Value(depth));
        }
        lexer_.Next();
        return value;
    }

    TStreamValue Collection(int depth) {
        Deeper(depth);
        TStreamValue value = TStreamValue::Of(TStreamValue::vaCollection);
        value.Line = Tok().Line;
        lexer_.Next();
        while (!IsSymbol('>')) {
            if (!IsWord("item"))
                Fail(QStringLiteral("'item' or '>' expected"));
            lexer_.Next();
            std::vector<TStreamProperty> item;
            while (!IsWord("end")) {
                if (Tok().Kind != TToken::tkIdent)
                    Fail(QStringLiteral("'end' expected"));
                item.push_back(Property(depth));
            }
            lexer_.Next();
            value.Items.push_back(std::move(item));
        }
        lexer_.Next();
        return value;
    }

    TLexer lexer_;
};

QString Quoted(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("''");
    QString out;
    bool open = false;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x20 || c == 0x7F) {
            if (open)
                out.append(QLatin1Char('\''));
            open = false;
            out.append(QLatin1Char('#') + QString::number(uint(c)));
            continue;
        }
        if (!open)
            out.append(QLatin1Char('\''));
        open = true;
        if (c == U'\'')
            out.append(QLatin1Char('\''));
        out.append(QString::fromUcs4(&c, 1));
    }
    if (open)
        out.append(QLatin1Char('\''));
    return out;
}

QString FloatText(double value) {
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    // Kept a float when read back, whatever the property it lands in.
    if (!text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e')))
        text += QStringLiteral(".0");
    return text;
}

void PrintProperties(const std::vector<TStreamProperty>& properties, int indent, QString& out);

QString ValueText(const TStreamValue& value, int indent) {
    const QString pad(indent, QLatin1Char(' '));
    switch (value.Kind) {
    case TStreamValue::vaInteger:
        return QString::number(value.Integer);
    case TStreamValue::vaFloat:
        return FloatText(value.Float);
    case TStreamValue::vaString:
        return Quoted(value.Text);
    case TStreamValue::vaIdent:
        return value.Text;
    case TStreamValue::vaSet:
        return QLatin1Char('[') + value.Elements.join(QStringLiteral(", ")) + QLatin1Char(']');
    case TStreamValue::vaList: {
        QStringList parts;
        int length = 0;
        bool flat = true;
        for (const TStreamValue& element : value.List) {
            parts.append(ValueText(element, indent + 2));
            length += int(parts.last().size()) + 1;
            flat = flat && element.Kind != TStreamValue::vaList &&
                   element.Kind != TStreamValue::vaCollection;
        }
        if (flat && length <= 60)
            return QLatin1Char('(') + parts.join(QLatin1Char(' ')) + QLatin1Char(')');
        return QStringLiteral("(\n") + pad + QStringLiteral("  ") +
               parts.join(QLatin1Char('\n') + pad + QStringLiteral("  ")) + QLatin1Char(')');
    }
    case TStreamValue::vaCollection: {
        if (value.Items.empty())
            return QStringLiteral("<>");
        QString out = QStringLiteral("<");
        for (const std::vector<TStreamProperty>& item : value.Items) {
            out += QLatin1Char('\n') + pad + QStringLiteral("  item\n");
            PrintProperties(item, indent + 4, out);
            out += pad + QStringLiteral("  end");
        }
        return out + QLatin1Char('>');
    }
    case TStreamValue::vaBinary: {
        const QByteArray hex = value.Binary.toHex().toUpper();
        if (hex.size() <= 64)
            return QLatin1Char('{') + QString::fromLatin1(hex) + QLatin1Char('}');
        QString out = QStringLiteral("{");
        for (qsizetype i = 0; i < hex.size(); i += 64)
            out += QLatin1Char('\n') + pad + QStringLiteral("  ") +
                   QString::fromLatin1(hex.mid(i, 64));
        return out + QLatin1Char('}');
    }
    }
    return QString();
}

void PrintProperties(const std::vector<TStreamProperty>& properties, int indent, QString& out) {
    const QString pad(indent, QLatin1Char(' '));
    for (const TStreamProperty& property : properties)
        out += pad + property.Name + QStringLiteral(" = ") + ValueText(property.Value, indent) +
               QLatin1Char('\n');
}

void PrintObject(const TStreamObject& object, int indent, QString& out) {
    const QString pad(indent, QLatin1Char(' '));
    out += pad + QStringLiteral("object ") +
           (object.Name.isEmpty() ? object.ClassName
                                  : object.Name + QStringLiteral(": ") + object.ClassName) +
           QLatin1Char('\n');
    PrintProperties(object.Properties, indent + 2, out);
    for (const TStreamObject& child : object.Children)
        PrintObject(child, indent + 2, out);
    out += pad + QStringLiteral("end\n");
}

} // namespace

TStreamObject ParseStreamText(const QString& text) {
    return TParser(text).Root();
}

QString StreamTextOf(const TStreamObject& object) {
    QString out;
    PrintObject(object, 0, out);
    return out;
}

} // namespace vexo
