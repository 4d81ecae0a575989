#include "utils/listfile_p.h"

#include <QFile>
#include <QFileInfo>

#include "platform/runtime/exception.h"
#include "utils/atomicfile_p.h"
#include "utils/vexotypedlist.h"

namespace vexo {

namespace {
constexpr qsizetype MaxListLineLength = 4096;
} // namespace

bool SaveListLines(const QString& fileName, const QList<QByteArray>& lines) {
    QByteArray data;
    for (const QByteArray& line : lines) {
        data += line;
        data += "\r\n";
    }
    return SaveFileAtomically(fileName, data);
}

std::optional<QList<QByteArray>> ReadListLines(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists() || info.isDir())
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file %1").arg(fileName));
    QList<QByteArray> lines;
    QByteArray pending;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(1 << 16);
        if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
            throw EFOpenError(QStringLiteral("Cannot read file %1").arg(fileName));
        pending += chunk;
        qsizetype start = 0;
        for (qsizetype end; (end = pending.indexOf('\n', start)) >= 0; start = end + 1) {
            if (lines.size() >= MaxListSize)
                throw EListError(
                    QStringLiteral("%1 holds more than %2 lines").arg(fileName).arg(MaxListSize));
            lines << pending.mid(start, end - start).trimmed();
        }
        pending.remove(0, start);
        // No value needs a long line: stop a file without line ends from filling memory.
        if (pending.size() > MaxListLineLength)
            throw EListError(QStringLiteral("Line %1 of %2 is too long to be a value")
                                 .arg(lines.size() + 1)
                                 .arg(fileName));
    }
    if (!pending.isEmpty()) {
        if (lines.size() >= MaxListSize)
            throw EListError(
                QStringLiteral("%1 holds more than %2 lines").arg(fileName).arg(MaxListSize));
        lines << pending.trimmed();
    }
    return lines;
}

} // namespace vexo
