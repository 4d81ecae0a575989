#include "calendar/qttimeformat.h"

#include <utility>

namespace vexo {

namespace {

bool StartsWithNoCase(QStringView text, qsizetype pos, QStringView what) {
    return text.mid(pos).startsWith(what, Qt::CaseInsensitive);
}

// Text Qt shows as written: letters quoted, a quote as '' outside the quoted runs (Qt reads
// four quotes as two). Runs of literal text are gathered first, as two quoted runs side by side
// would read as a quote.
QString Literal(const QString& text) {
    QString out;
    bool open = false;
    for (const QChar c : text) {
        if (c == u'\'') {
            out += open ? QStringLiteral("'''") : QStringLiteral("''");
            open = false;
            continue;
        }
        if (c.isLetter() && !open) {
            out += QLatin1Char('\'');
            open = true;
        }
        out += c;
    }
    return open ? out + QLatin1Char('\'') : out;
}

} // namespace

QString QtTimeFormat(const QString& format, const TFormatSettings& settings) {
    const QStringView f(format);
    QString out;
    QString text; // literal text not yet written
    const auto field = [&](const QString& letters) {
        out += Literal(std::exchange(text, QString())) + letters;
    };
    QChar last; // the previous format letter, for m-after-h
    qsizetype i = 0;
    while (i < f.size()) {
        const QChar starter = f[i];
        QChar token = starter.toUpper();
        const qsizetype start = i++;
        while (i < f.size() && f[i] == starter && starter.isLetter() && starter != u'a' &&
               starter != u'A')
            ++i;
        const qsizetype n = i - start;
        if (starter.isLetter() && starter.unicode() < 128) {
            if (token == u'M' && last == u'H')
                token = u'N';
            last = token;
        }
        switch (token.unicode()) {
        case u'H':
            field(n == 1 ? QStringLiteral("h") : QStringLiteral("hh"));
            break;
        case u'N':
            field(n == 1 ? QStringLiteral("m") : QStringLiteral("mm"));
            break;
        case u'S':
            field(n == 1 ? QStringLiteral("s") : QStringLiteral("ss"));
            break;
        case u'Z':
            // Qt's "z" drops trailing zeros; an edit's field keeps its width.
            field(QStringLiteral("zzz"));
            break;
        case u'A': {
            bool upper = starter == u'A';
            if (StartsWithNoCase(f, start, u"AM/PM")) {
                i = start + 5;
            } else if (StartsWithNoCase(f, start, u"A/P")) {
                i = start + 3;
            } else if (StartsWithNoCase(f, start, u"AMPM")) {
                i = start + 4;
                upper = settings.TimeAMString != settings.TimeAMString.toLower();
            } else {
                break; // a lone "a" (or a day name) is no time field
            }
            field(upper ? QStringLiteral("AP") : QStringLiteral("ap"));
            break;
        }
        case u':':
            if (!settings.TimeSeparator.isNull())
                text += settings.TimeSeparator;
            break;
        case u'/':
            if (!settings.DateSeparator.isNull())
                text += settings.DateSeparator;
            break;
        case u'\'':
        case u'"': {
            while (i < f.size() && f[i] != starter)
                ++i;
            text += f.mid(start + 1, i - start - 1);
            if (i < f.size())
                ++i;
            break;
        }
        default:
            if (!starter.isLetter())
                text += f.mid(start, n);
            break;
        }
    }
    return out + Literal(text);
}

} // namespace vexo
