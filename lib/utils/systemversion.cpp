#include "utils/systemversion.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <sys/utsname.h>

#include "utils/systemversion_p.h"

namespace vexo {

namespace {

// A value as the shell would read it: quotes removed, backslash escapes inside double quotes.
QString Unquote(const QString& value) {
    if (value.size() < 2 || value.front() != value.back() ||
        (value.front() != QLatin1Char('"') && value.front() != QLatin1Char('\'')))
        return value;
    const QString inner = value.mid(1, value.size() - 2);
    if (value.front() == QLatin1Char('\''))
        return inner;
    QString result;
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] == QLatin1Char('\\') && i + 1 < inner.size())
            ++i;
        result += inner[i];
    }
    return result;
}

QString KernelRelease() {
    utsname name{};
    return uname(&name) == 0 ? QString::fromLocal8Bit(name.release) : QString();
}

QByteArray ReadOsRelease() {
    // The file's documented places, the first that exists wins.
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly))
            return file.read(64 * 1024);
    }
    return QByteArray();
}

} // namespace

QString OsReleaseName(const QByteArray& osRelease) {
    QHash<QString, QString> values;
    for (const QByteArray& raw : osRelease.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('#')) || equals <= 0)
            continue;
        values.insert(line.left(equals), Unquote(line.mid(equals + 1)));
    }
    if (!values.value(QStringLiteral("PRETTY_NAME")).isEmpty())
        return values.value(QStringLiteral("PRETTY_NAME"));
    const QString name =
        QStringList{values.value(QStringLiteral("NAME")), values.value(QStringLiteral("VERSION"))}
            .join(QLatin1Char(' '))
            .trimmed();
    return name.isEmpty() ? QStringLiteral("Linux") : name;
}

void KernelVersion(const QString& release, int& major, int& minor) {
    static const QRegularExpression numbers(QStringLiteral("^(\\d+)(?:\\.(\\d+))?"));
    const auto match = numbers.match(release);
    major = match.hasMatch() ? match.captured(1).toInt() : 0;
    minor = match.hasMatch() ? match.captured(2).toInt() : 0;
}

QString SystemVersionText(const QString& osName, const QString& release) {
    if (release.isEmpty())
        return osName;
    return QStringLiteral("%1 (kernel %2)").arg(osName, release);
}

QString WindowsVerStr() {
    return SystemVersionText(OsReleaseName(ReadOsRelease()), KernelRelease());
}

void WindowsVer(int& major, int& minor) {
    KernelVersion(KernelRelease(), major, minor);
}

} // namespace vexo
