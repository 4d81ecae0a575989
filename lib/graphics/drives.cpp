#include "graphics/drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vexo {

namespace {

// Escapes of a backslash and `digits` characters in `base`: mountinfo writes blanks and
// backslashes in paths as octal (\040), udev writes them in label link names as hex (\x20).
QString Unescape(const QByteArray& field, int digits = 3, int base = 8, const char* lead = "") {
    const qsizetype skip = qsizetype(qstrlen(lead)) + 1;
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && field.mid(i + 1, skip - 1) == lead &&
            i + skip + digits <= field.size()) {
            bool ok = false;
            const int code = field.mid(i + skip, digits).toInt(&ok, base);
            if (ok && code < 256) {
                out.append(char(code));
                i += skip + digits - 1;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QString::fromUtf8(out);
}

// Whether `path` is `folder` or lies inside it.
bool Inside(const QString& path, const QString& folder) {
    if (folder == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

QString Normalised(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool IsNetworkType(const QString& type) {
    static const QStringList network = {
        QStringLiteral("nfs"),   QStringLiteral("nfs4"),       QStringLiteral("cifs"),
        QStringLiteral("smb3"),  QStringLiteral("smbfs"),      QStringLiteral("fuse.sshfs"),
        QStringLiteral("sshfs"), QStringLiteral("afs"),        QStringLiteral("ncpfs"),
        QStringLiteral("9p"),    QStringLiteral("glusterfs"),  QStringLiteral("ceph"),
        QStringLiteral("davfs"), QStringLiteral("fuse.rclone")};
    return network.contains(type);
}

QString Cased(const QString& text, bool lowerCase) {
    return lowerCase ? text.toLower() : text.toUpper();
}

} // namespace

TMountTable TMountTable::Read(const QString& mountInfo, const QString& labelFolder) {
    TMountTable table;
    table.LabelFolder = labelFolder;
    QFile file(mountInfo);
    if (!file.open(QIODevice::ReadOnly))
        return table;
    // id parent major:minor root mount-point options [optional fields...] - type source super
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        const qsizetype dash = f.indexOf("-");
        if (f.size() < 6 || dash < 6 || dash + 2 >= f.size())
            continue; // a malformed line tells nothing
        table.Entries.append(TMountEntry{QString::fromLatin1(f[2]), Unescape(f[3]), Unescape(f[4]),
                                         Unescape(f[dash + 1]), Unescape(f[dash + 2])});
    }
    return table;
}

TMountTable TMountTable::System() {
    return Read(QStringLiteral("/proc/self/mountinfo"), QStringLiteral("/dev/disk/by-label"));
}

const TMountEntry* TMountTable::Find(const QString& path) const {
    const QString p = Normalised(path);
    const TMountEntry* best = nullptr;
    for (const TMountEntry& e : Entries)
        if (Inside(p, e.mountPoint) && (!best || e.mountPoint.size() >= best->mountPoint.size()))
            best = &e;
    return best;
}

QString TMountTable::Label(const TMountEntry& entry) const {
    if (LabelFolder.isEmpty() || !entry.source.startsWith(QLatin1Char('/')))
        return {};
    const QString device = Normalised(entry.source);
    const QDir folder(LabelFolder);
    for (const QFileInfo& link : folder.entryInfoList(QDir::Files | QDir::System))
        if (Normalised(link.filePath()) == device)
            return Unescape(link.fileName().toUtf8(), 2, 16, "x");
    return {};
}

TDriveType FindDriveType(const QString& path, const TMountTable& table) {
    const TMountEntry* e = table.Find(path);
    if (e == nullptr)
        return dtUnknown;
    const QString& t = e->fsType;
    if (t == QLatin1String("iso9660") || t == QLatin1String("udf"))
        return dtCDROM;
    if (t == QLatin1String("tmpfs") || t == QLatin1String("ramfs"))
        return dtRAMDisk;
    if (IsNetworkType(t))
        return dtRemote;
    return dtFixed;
}

bool IsCDROM(const QString& path, const TMountTable& table) {
    return FindDriveType(path, table) == dtCDROM;
}

bool IsRAMDrive(const QString& path, const TMountTable& table) {
    return FindDriveType(path, table) == dtRAMDisk;
}

QString VolumeID(const QString& path, bool lowerCase, const TMountTable& table) {
    const TMountEntry* e = table.Find(path);
    const QString label = e ? table.Label(*e) : QString();
    return QStringLiteral("[%1]").arg(Cased(label, lowerCase));
}

QString NetworkVolume(const QString& path, bool lowerCase, const TMountTable& table) {
    const TMountEntry* e = table.Find(path);
    if (e != nullptr && IsNetworkType(e->fsType))
        return Cased(e->source, lowerCase);
    return VolumeID(path, lowerCase, table);
}

QString Substituted(const QString& path, const TMountTable& table) {
    const TMountEntry* e = table.Find(path);
    if (e == nullptr || e->root == QLatin1String("/"))
        return {};
    // The folder shows part of a file system mounted elsewhere too: where that part is seen.
    // A file system whose only mount shows a sub-folder (a btrfs subvolume) is no substitution.
    for (const TMountEntry& other : table.Entries)
        if (&other != e && other.device == e->device && Inside(e->root, other.root)) {
            const QString rest =
                e->root.mid(other.root == QLatin1String("/") ? 0 : other.root.size());
            return QDir::cleanPath(other.mountPoint + QLatin1Char('/') + rest);
        }
    return {};
}

} // namespace vexo
