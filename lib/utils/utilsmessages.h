#pragma once
// Where the messages of MakeDirectory, CopyFiles and StrToTextFile go. The library's widget
// part (vexo_utils_gui) points them at message boxes; a program without widgets, or one that
// wants them elsewhere, sets its own. A message no receiver shows is written to standard
// error.

#include <QString>
#include <functional>

#include "vexo/utils_export.h"

namespace vexo {

// Returns whether it showed the text.
using TUtilsMessageProc = std::function<bool(const QString& text)>;

// Replaces both receivers; an empty one means standard error.
VEXO_UTILS_EXPORT void SetUtilsMessageProcs(TUtilsMessageProc info, TUtilsMessageProc error);

// An information message (a copy or a folder that failed).
VEXO_UTILS_EXPORT void UtilsInfoMsg(const QString& text);
// An error message (a text file that could not be written).
VEXO_UTILS_EXPORT void UtilsErrorMsg(const QString& text);

} // namespace vexo
