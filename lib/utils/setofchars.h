#pragma once
// A set of characters, as the word routines and character filters take it.

#include <QSet>
#include <QString>
#include <initializer_list>

#include "vexo/utils_export.h"

namespace vexo {

class VEXO_UTILS_EXPORT SetOfChars {
public:
    SetOfChars() = default;
    SetOfChars(std::initializer_list<QChar> chars) {
        for (const QChar c : chars)
            chars_.insert(c.unicode());
    }
    // Every character of `chars`.
    explicit SetOfChars(QStringView chars) {
        for (const QChar c : chars)
            chars_.insert(c.unicode());
    }

    bool Contains(QChar c) const { return chars_.contains(c.unicode()); }
    bool IsEmpty() const { return chars_.isEmpty(); }
    void Include(QChar c) { chars_.insert(c.unicode()); }
    void Exclude(QChar c) { chars_.remove(c.unicode()); }
    void Clear() { chars_.clear(); }
    friend bool operator==(const SetOfChars&, const SetOfChars&) = default;

private:
    QSet<char16_t> chars_;
};

} // namespace vexo
