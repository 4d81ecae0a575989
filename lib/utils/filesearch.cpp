#include "utils/filesearch.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include "utils/filesearch_p.h"
#include "utils/paths.h"

namespace vexo {

namespace {

int AttributesOf(const QString& name, const struct stat& st) {
    int attributes = 0;
    if (S_ISDIR(st.st_mode))
        attributes |= faDirectory;
    else if (S_ISREG(st.st_mode))
        attributes |= faArchive;
    else
        attributes |= faSysFile;
    // "." and ".." are folders, not hidden entries.
    if (name.startsWith(QLatin1Char('.')) && name != QLatin1String(".") &&
        name != QLatin1String(".."))
        attributes |= faHidden;
    if ((st.st_mode & S_IWUSR) == 0)
        attributes |= faReadOnly;
    return attributes;
}

// The classic filter: the special kinds must each have been asked for.
bool PassesFilter(int entryAttributes, int wanted) {
    constexpr int special = faHidden | faSysFile | faDirectory;
    return (entryAttributes & special & ~wanted) == 0;
}

std::optional<TFoundEntry> Describe(const QString& folderPath, const QString& name) {
    const QByteArray path = QFile::encodeName(folderPath + name);
    struct stat st {};
    if (lstat(path.constData(), &st) != 0)
        return std::nullopt;
    const bool isLink = S_ISLNK(st.st_mode);
    // A link is described by what it points to; a broken one stays a (system) entry.
    if (isLink) {
        struct stat target {};
        if (stat(path.constData(), &target) == 0)
            st = target;
    }
    return TFoundEntry{name, AttributesOf(name, st), isLink};
}

} // namespace

void SplitSearchPath(const QString& path, QString& folder, QString& name) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    folder = path.left(slash + 1);
    name = path.mid(slash + 1);
}

bool HasWildcards(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

std::optional<QList<TFoundEntry>> FindEntries(const QString& folder, const QString& pattern,
                                              int attributes, bool literal) {
    // Linux has no volume labels, so a search for the label alone finds nothing.
    if (attributes == faVolumeID)
        return QList<TFoundEntry>();
    const QString folderPath = folder.isEmpty() ? QStringLiteral("./") : NormalDir(folder);
    QList<TFoundEntry> found;
    if (literal || !HasWildcards(pattern)) {
        if (!pattern.isEmpty())
            if (auto entry = Describe(folderPath, pattern);
                entry && PassesFilter(entry->Attributes, attributes))
                found << *entry;
        return found;
    }
    // "*.*" is the classic spelling of "every name", also of names without a dot.
    const QByteArray glob =
        QFile::encodeName(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    DIR* dir = opendir(QFile::encodeName(folderPath).constData());
    if (dir == nullptr)
        return std::nullopt;
    while (const dirent* item = readdir(dir)) {
        if (fnmatch(glob.constData(), item->d_name, FNM_CASEFOLD) != 0)
            continue;
        const QString name = QFile::decodeName(item->d_name);
        if (auto entry = Describe(folderPath, name);
            entry && PassesFilter(entry->Attributes, attributes))
            found << *entry;
    }
    closedir(dir);
    std::sort(found.begin(), found.end(), [](const TFoundEntry& a, const TFoundEntry& b) {
        const int c = a.Name.compare(b.Name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.Name < b.Name;
    });
    return found;
}

bool AllFilesFound(const QString& folder, const QStringList& names) {
    const QString base = NormalDir(folder);
    return std::all_of(names.begin(), names.end(),
                       [&](const QString& name) { return FileExists(base + name); });
}

void FilesToStrings(TStrings* list, const QString& mask, int attributes) {
    if (list == nullptr)
        return;
    QString folder, pattern;
    SplitSearchPath(mask, folder, pattern);
    const auto found = FindEntries(folder, pattern, attributes);
    if (!found || found->isEmpty())
        return;
    struct UpdateBracket {
        TStrings* list;
        ~UpdateBracket() { list->EndUpdate(); }
    } bracket{list};
    list->BeginUpdate();
    list->Clear();
    for (const TFoundEntry& entry : *found)
        if (entry.Name != QLatin1String(".") && entry.Name != QLatin1String(".."))
            list->Add(entry.Name);
}

} // namespace vexo
