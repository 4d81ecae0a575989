#include "utils/strutils.h"

#include <algorithm>

namespace vexo {

namespace {

QChar AsciiUpper(QChar c) {
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c;
}
QChar AsciiLower(QChar c) {
    return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c;
}

bool SameIgnoringLatinCase(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    }
    return true;
}

} // namespace

double GetNoSpacePercent(const QString& text) {
    if (text.isEmpty())
        return 0;
    return 100.0 - 100.0 * double(text.count(QLatin1Char(' '))) / double(text.size());
}

QString ChangeChars(const QString& text, QChar oldChar, QChar newChar) {
    QString result = text;
    return result.replace(oldChar, newChar);
}

QString ChangeStr(const QString& text, const QString& find, const QString& replacement) {
    if (find.isEmpty())
        return text;
    const qsizetype at = StrUpper(text).indexOf(StrUpper(find));
    if (at < 0)
        return text;
    QString result = text;
    return result.replace(at, find.size(), replacement);
}

QString ReplaceStr(const QString& text, const QString& find, const QString& replacement) {
    if (find.isEmpty())
        return text;
    QString result = text;
    return result.replace(find, replacement, Qt::CaseInsensitive);
}

QString Chars(QChar c, int count) {
    return count <= 0 ? QString() : QString(count, c);
}

QString DeleteChars(const QString& text, const SetOfChars& chars) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (!chars.Contains(c))
            result += c;
    }
    return result;
}

QString DecLength(const QString& text, int /*count*/) {
    return text.left(text.size() - 1);
}

int IndexOfStr(const QString& text, const QStringList& list) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (SameIgnoringLatinCase(text, list[i]))
            return int(i);
    }
    return -1;
}

QString PCopyToStr(const QChar* chars, int length, TvexoCharCase charCase) {
    QString result;
    if (chars == nullptr)
        return result;
    for (int i = 0; i < length && !chars[i].isNull(); ++i) {
        const QChar c = chars[i];
        result += charCase == csLower ? AsciiLower(c) : charCase == csUpper ? AsciiUpper(c) : c;
    }
    return result;
}

QString StripQuote(const QString& text) {
    if (text.isEmpty() || (text[0] != u'"' && text[0] != u'\''))
        return text;
    return text.size() < 2 ? QString() : text.mid(1, text.size() - 2);
}

QString SingleQuotes(const QString& text) {
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString DoubleQuotes(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void SplitString(const QString& text, const QString& separator, QStringList* list) {
    if (list == nullptr)
        return;
    // An empty separator is never found, so the whole text is one piece.
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype at = separator.isEmpty() ? -1 : text.indexOf(separator, from);
        if (at < 0) {
            list->append(text.mid(from));
            return;
        }
        list->append(text.mid(from, at - from));
        from = at + separator.size();
    }
}

QString AlignStr(const QString& text, TAlignment alignment, QChar fill, int width) {
    const int w = std::max(width, 0);
    const QString cut = text.left(w);
    const int n = w - int(cut.size());
    if (n <= 0)
        return cut;
    switch (alignment) {
    case taRightJustify:
        return QString(n, fill) + cut;
    case taCenter:
        return QString(n / 2, fill) + cut + QString(n - n / 2, fill);
    case taLeftJustify:
    default:
        return cut + QString(n, fill);
    }
}

QChar UpCase(QChar c) {
    if (c >= u'a' && c <= u'z')
        return QChar(c.unicode() - 32);
    if (c >= u'\u0430' && c <= u'\u044F')
        return QChar(c.unicode() - 0x20);
    return c;
}

QChar LowCase(QChar c) {
    if (c >= u'A' && c <= u'Z')
        return QChar(c.unicode() + 32);
    if (c >= u'\u0410' && c <= u'\u042F')
        return QChar(c.unicode() + 0x20);
    return c;
}

QString StrUpper(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        c = UpCase(c);
    return result;
}

QString StrLower(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        c = LowCase(c);
    return result;
}

QString FirstCapital(const QString& text) {
    QString result = text;
    if (!result.isEmpty())
        result[0] = UpCase(result[0]);
    return result;
}

} // namespace vexo
