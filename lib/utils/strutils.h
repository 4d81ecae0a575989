#pragma once
// Free routines on texts: replacing characters and substrings, padding, quoting, splitting and
// the case rules of the Cyrillic letters. All return new texts and leave their arguments
// unchanged. Positions count from 1.

#include <QString>
#include <QStringList>

#include "platform/text/alignment.h"
#include "utils/setofchars.h"
#include "vexo/utils_export.h"

namespace vexo {

enum TvexoCharCase { csNormal, csLower, csUpper };

// 0 for an empty text; else 100 - 100 * blanks / length (one blank in four characters: 75).
VEXO_UTILS_EXPORT double GetNoSpacePercent(const QString& text);
VEXO_UTILS_EXPORT QString ChangeChars(const QString& text, QChar oldChar, QChar newChar);
// The first occurrence of `find`, compared through StrUpper, replaced; unchanged when none.
VEXO_UTILS_EXPORT QString ChangeStr(const QString& text, const QString& find,
                                    const QString& replacement);
// Every occurrence, left to right without overlap, compared without regard to case; an empty
// `find` changes nothing.
VEXO_UTILS_EXPORT QString ReplaceStr(const QString& text, const QString& find,
                                     const QString& replacement);
// `count` copies of `c`; empty for count <= 0.
VEXO_UTILS_EXPORT QString Chars(QChar c, int count);
VEXO_UTILS_EXPORT QString DeleteChars(const QString& text, const SetOfChars& chars);
// The text without its last character. The count is kept for callers written against the
// classic signature; it does not change the result.
VEXO_UTILS_EXPORT QString DecLength(const QString& text, int count = 1);
// The first index whose entry equals `text`, Latin letters compared without regard to case;
// -1 when none.
VEXO_UTILS_EXPORT int IndexOfStr(const QString& text, const QStringList& list);
// At most `length` characters of a zero-terminated array (empty for a null pointer), Latin
// letters lowered or raised by `charCase`.
VEXO_UTILS_EXPORT QString PCopyToStr(const QChar* chars, int length, TvexoCharCase charCase);
// Without its first and last characters when it starts with '"' or '\''.
VEXO_UTILS_EXPORT QString StripQuote(const QString& text);
VEXO_UTILS_EXPORT QString SingleQuotes(const QString& text);
VEXO_UTILS_EXPORT QString DoubleQuotes(const QString& text);
// Appends the pieces between separators to `list` (nothing when it is null): "a;;b" gives
// a, "" and b; ";a" gives "" and a; "a;" gives a.
VEXO_UTILS_EXPORT void SplitString(const QString& text, const QString& separator,
                                   QStringList* list);
// The first `width` characters, padded with `fill` to `width`: after the text (left), before it
// (right) or half on each side with the odd one at the end (centre).
VEXO_UTILS_EXPORT QString AlignStr(const QString& text, TAlignment alignment, QChar fill,
                                   int width);

// Case rules: Latin a-z and the Cyrillic а-я (the Windows-1251 letters 0xE0-0xFF) change;
// ё/Ё and every other character stay as they are.
VEXO_UTILS_EXPORT QChar UpCase(QChar c);
VEXO_UTILS_EXPORT QChar LowCase(QChar c);
VEXO_UTILS_EXPORT QString StrUpper(const QString& text);
VEXO_UTILS_EXPORT QString StrLower(const QString& text);
VEXO_UTILS_EXPORT QString FirstCapital(const QString& text);

} // namespace vexo
