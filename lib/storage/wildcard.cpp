#include "storage/wildcard.h"

namespace vexo {

namespace {

bool PieceMatchesAt(const QString& piece, const QString& text, qsizetype at) {
    if (at < 0 || at + piece.size() > text.size())
        return false;
    for (qsizetype i = 0; i < piece.size(); ++i)
        if (piece.at(i) != QLatin1Char('?') && piece.at(i) != text.at(at + i))
            return false;
    return true;
}

} // namespace

qsizetype SubstringPosWild(const QString& piece, const QString& text) {
    for (qsizetype at = 0; at + piece.size() <= text.size(); ++at)
        if (PieceMatchesAt(piece, text, at))
            return at;
    return -1;
}

bool WildcardMatch(const QString& text, const QString& pattern, bool ignoreCase) {
    if (text == pattern || pattern == QLatin1String("*"))
        return true;
    QString mask = pattern;
    while (mask.contains(QLatin1String("**")))
        mask.replace(QLatin1String("**"), QLatin1String("*"));
    QString source = text;
    if (ignoreCase) {
        mask = mask.toUpper();
        source = source.toUpper();
    }
    if (source.isEmpty() || mask.isEmpty())
        return false;
    qsizetype i = 0;
    qsizetype j = 0;
    while (true) {
        if (j >= mask.size())
            return i >= source.size();
        if (i >= source.size())
            return mask.endsWith(QLatin1Char('*'));
        const QChar c = mask.at(j);
        if (c == QLatin1Char('*')) {
            const qsizetype next = mask.indexOf(QLatin1Char('*'), j + 1);
            if (next < 0) {
                const QString piece = mask.mid(j + 1);
                return PieceMatchesAt(piece, source, source.size() - piece.size()) &&
                       source.size() - piece.size() >= i;
            }
            const QString piece = mask.mid(j + 1, next - j - 1);
            const qsizetype at = SubstringPosWild(piece, source.mid(i));
            if (at < 0)
                return false;
            i += at + piece.size();
            j = next;
        } else if (c == QLatin1Char('?') || c == source.at(i)) {
            ++i;
            ++j;
        } else {
            return false;
        }
    }
}

} // namespace vexo
