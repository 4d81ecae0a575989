#include "utils/textfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "utils/atomicfile_p.h"
#include "utils/utilsmessages.h"

namespace vexo {

namespace {

// The lines of a text as a string list sees them: a line end after the last line adds none.
QStringList SplitLines(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool Fail(const QString& message) {
    UtilsErrorMsg(message);
    return false;
}

} // namespace

QString TextFileToStr(const QString& fileName) {
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly))
        return QString();
    QString result;
    for (const QString& line : SplitLines(QString::fromUtf8(file.readAll())))
        result += line + QLatin1Char('\n');
    return result;
}

bool StrToTextFile(const QString& fileName, const QString& text) {
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.absoluteDir().exists())
        return false;
    // A file its owner made read-only is not replaced behind the owner's back.
    if (info.exists() && !info.isDir() && !(info.permissions() & QFileDevice::WriteOwner))
        return Fail(QStringLiteral("Cannot create file %1 (the file is read-only)").arg(fileName));
    QByteArray data;
    for (const QString& line : SplitLines(text))
        data += line.toUtf8() + '\n';
    QString reason;
    if (!SaveFileAtomically(fileName, data, &reason))
        return Fail(QStringLiteral("Cannot write file %1 (%2)").arg(fileName, reason));
    return true;
}

} // namespace vexo
