#include "graphics/soundtheme.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <array>
#include <utility>

namespace vexo {

namespace {

QStringList DataDirs() {
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty())
        home = QDir::homePath() + QStringLiteral("/.local/share");
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    return QStringList{home} + dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

} // namespace

QString SystemSoundThemeName(const QString& systemName) {
    static const std::array<std::pair<QLatin1StringView, QLatin1StringView>, 5> names = {{
        {QLatin1StringView("SystemAsterisk"), QLatin1StringView("dialog-information")},
        {QLatin1StringView("SystemExclamation"), QLatin1StringView("dialog-warning")},
        {QLatin1StringView("SystemHand"), QLatin1StringView("dialog-error")},
        {QLatin1StringView("SystemQuestion"), QLatin1StringView("dialog-question")},
        {QLatin1StringView("SystemDefault"), QLatin1StringView("bell")},
    }};
    for (const auto& [system, theme] : names)
        if (systemName.compare(system, Qt::CaseInsensitive) == 0)
            return theme;
    return {};
}

QString FindThemeSoundFile(const QString& themeName) {
    if (themeName.isEmpty())
        return {};
    for (const QString& dir : DataDirs()) {
        const QString file = QDir::cleanPath(dir + QStringLiteral("/sounds/freedesktop/stereo/") +
                                             themeName + QStringLiteral(".wav"));
        if (QFileInfo(file).isFile())
            return file;
    }
    return {};
}

} // namespace vexo
