#pragma once
// Small text helpers shared inside the storage area.

#include <QString>
#include <QStringList>

namespace vexo::storage_p {

// Removes leading and trailing blanks and control characters (everything up to U+0020).
inline QString TrimControls(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 0x20)
        ++first;
    while (last > first && text.at(last - 1).unicode() <= 0x20)
        --last;
    return text.mid(first, last - first);
}

// The words of text: maximal runs of characters that are not among dividers.
inline QStringList Words(const QString& text, const QString& dividers) {
    QStringList words;
    QString word;
    for (const QChar c : text) {
        if (dividers.contains(c)) {
            if (!word.isEmpty())
                words.append(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

} // namespace vexo::storage_p
