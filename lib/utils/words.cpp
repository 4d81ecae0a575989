#include "utils/words.h"

namespace vexo {

namespace {

SetOfChars& DividerSet() {
    static SetOfChars dividers;
    return dividers;
}

// Calls `visit(info)` for each word in order until it returns false.
template <typename Visit> void ScanWords(const QString& text, Visit visit) {
    const SetOfChars& dividers = DividerSet();
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        while (i < size && dividers.Contains(text[i]))
            ++i;
        if (i >= size)
            return;
        const qsizetype start = i;
        while (i < size && !dividers.Contains(text[i]))
            ++i;
        TWordInfo info;
        info.StartPos = int(start + 1);
        info.EndPos = int(i);
        info.Length = int(i - start);
        info.Text = text.mid(start, i - start);
        if (!visit(info))
            return;
    }
}

} // namespace

void SetDivisers(const SetOfChars& dividers) {
    DividerSet() = dividers;
}

const SetOfChars& Divisers() {
    return DividerSet();
}

int WordsInstring(const QString& text) {
    int count = 0;
    ScanWords(text, [&](const TWordInfo&) {
        ++count;
        return true;
    });
    return count;
}

TWordInfo GetWordInfo(const QString& text, int n) {
    TWordInfo found;
    if (n <= 0)
        return found;
    int number = 0;
    ScanWords(text, [&](const TWordInfo& info) {
        if (++number < n)
            return true;
        found = info;
        return false;
    });
    return found;
}

int PointStartWord(const QString& text, int n) {
    return GetWordInfo(text, n).StartPos;
}

int PointEndWord(const QString& text, int n) {
    return GetWordInfo(text, n).EndPos;
}

QString GetSomeWords(const QString& text, int from, int to) {
    if (from <= 0 || from > to)
        return QString();
    QStringList words;
    int number = 0;
    ScanWords(text, [&](const TWordInfo& info) {
        ++number;
        if (number >= from)
            words << info.Text;
        return number < to;
    });
    if (number < to)
        return QString();
    return words.join(QLatin1Char(' '));
}

int WordPosition(const QString& text, const QString& word) {
    int number = 0, found = 0;
    ScanWords(text, [&](const TWordInfo& info) {
        ++number;
        if (info.Text != word)
            return true;
        found = number;
        return false;
    });
    return found;
}

void ChangeWord(QString& text, const QString& oldWord, const QString& newWord) {
    const TWordInfo info = GetWordInfo(text, WordPosition(text, oldWord));
    if (info.Length > 0)
        text.replace(info.StartPos - 1, info.Length, newWord);
}

void DeleteWord(QString& text, int n) {
    const TWordInfo info = GetWordInfo(text, n);
    if (info.Length > 0)
        text.remove(info.StartPos - 1, info.Length);
}

QString CutStringOnLines(const QString& text, int width) {
    QString result;
    QString rest = text;
    while (!rest.isEmpty()) {
        // The word before the first one that runs past the width ends the line.
        int previousEnd = 0, cut = 0;
        ScanWords(rest, [&](const TWordInfo& info) {
            if (info.EndPos <= width) {
                previousEnd = info.EndPos;
                return true;
            }
            cut = previousEnd > 0 ? previousEnd : info.EndPos;
            return false;
        });
        if (cut == 0) {
            result += rest + QLatin1Char('|');
            break;
        }
        result += rest.left(cut) + QLatin1Char('|');
        qsizetype next = cut;
        while (next < rest.size() && DividerSet().Contains(rest[next]))
            ++next;
        rest.remove(0, next);
    }
    return result;
}

} // namespace vexo
