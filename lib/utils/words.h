#pragma once
// The word model: a word is a maximal run of characters outside the process-wide divider set.
// The set is empty at start and is replaced as a whole by SetDivisers; every caller sets it
// right before using the word routines. Word numbers and positions count from 1.

#include <QString>

#include "utils/setofchars.h"
#include "vexo/utils_export.h"

namespace vexo {

struct TWordInfo {
    int StartPos = 0; // position of the first character
    int EndPos = 0;   // position of the last character
    int Length = 0;
    QString Text;
    friend bool operator==(const TWordInfo&, const TWordInfo&) = default;
};

VEXO_UTILS_EXPORT void SetDivisers(const SetOfChars& dividers);
VEXO_UTILS_EXPORT const SetOfChars& Divisers();

VEXO_UTILS_EXPORT int WordsInstring(const QString& text);
// Word n; the empty word info (all zeros) when there is no such word.
VEXO_UTILS_EXPORT TWordInfo GetWordInfo(const QString& text, int n);
// StartPos / EndPos of word n, 0 when there is none.
VEXO_UTILS_EXPORT int PointStartWord(const QString& text, int n);
VEXO_UTILS_EXPORT int PointEndWord(const QString& text, int n);
// Words from..to joined by single blanks; empty unless 0 < from <= to <= WordsInstring.
VEXO_UTILS_EXPORT QString GetSomeWords(const QString& text, int from, int to);
// Number of the first word equal to `word` (case-sensitive); 0 when none.
VEXO_UTILS_EXPORT int WordPosition(const QString& text, const QString& word);
// Replaces the first word equal to `oldWord`; the dividers around it stay.
VEXO_UTILS_EXPORT void ChangeWord(QString& text, const QString& oldWord, const QString& newWord);
// Removes the characters of word n; the dividers on both sides stay.
VEXO_UTILS_EXPORT void DeleteWord(QString& text, int n);

// Cuts the text into lines of whole words no longer than `width` where possible (a longer
// single word stands on its own line); each line is followed by "|". Dividers right after a
// cut are dropped, those inside a line kept.
VEXO_UTILS_EXPORT QString CutStringOnLines(const QString& text, int width);

} // namespace vexo
