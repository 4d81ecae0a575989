#pragma once
// Wildcard matching of texts against patterns with "*" (any run) and "?" (any one character).

#include <QString>

#include "vexo/storage_export.h"

namespace vexo {

// Position (from 0) of the first occurrence of piece in text, "?" in piece matching any
// character; -1 when there is none.
VEXO_STORAGE_EXPORT qsizetype SubstringPosWild(const QString& piece, const QString& text);
// True when text equals pattern or pattern is "*"; otherwise the pattern is walked against
// the text ("**" counts as "*"). Empty text or pattern match nothing else.
VEXO_STORAGE_EXPORT bool WildcardMatch(const QString& text, const QString& pattern,
                                       bool ignoreCase);

} // namespace vexo
