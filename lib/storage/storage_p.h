#pragma once
// Small text helpers shared inside the storage area.

#include <QString>

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

} // namespace vexo::storage_p
