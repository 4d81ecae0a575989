#pragma once
// Whole text files as one text. Files are UTF-8 with Linux line ends ("\n").

#include <QString>

#include "vexo/utils_export.h"

namespace vexo {

// The file's lines, each followed by "\n" (a file's CR LF and CR line ends read as line ends
// too); empty when the file does not exist or cannot be read.
VEXO_UTILS_EXPORT QString TextFileToStr(const QString& fileName);

// Writes the text's lines to the file, each followed by "\n", replacing the file atomically.
// False when the file's folder does not exist. A file that cannot be written (no rights, a
// full disk, a read-only file in the way) shows UtilsErrorMsg with the reason and gives
// false; the former file is then left as it was.
VEXO_UTILS_EXPORT bool StrToTextFile(const QString& fileName, const QString& text);

} // namespace vexo
