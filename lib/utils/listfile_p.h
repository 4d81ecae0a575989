#pragma once
// Text files of the integer and float lists: one value a line, each line ended by CR LF.

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace vexo {

// Replaces `fileName` atomically with `lines`, each followed by CR LF. False when the file
// cannot be written; the former file is then left as it was.
bool SaveListLines(const QString& fileName, const QList<QByteArray>& lines);

// The lines of `fileName` without their line ends (CR LF or LF), blanks trimmed; nothing when
// the file does not exist. An empty text after the last line end is no line. Raises
// EFOpenError when the file exists but cannot be read, and EListError when it holds more
// lines than a list can take.
std::optional<QList<QByteArray>> ReadListLines(const QString& fileName);

} // namespace vexo
