#pragma once
// Drive queries, Linux counterparts of the classic drive-letter routines: a drive is a path,
// and what is asked of it is answered from the mount that holds the path, as the kernel's
// mount table lists it (/proc/self/mountinfo):
// - the drive type from the mount's file-system type (iso9660/udf: CD-ROM, tmpfs/ramfs: RAM
//   disk, nfs/cifs/sshfs...: remote, other file systems: fixed; removable media are not told
//   apart from fixed disks);
// - the volume label from the file system's label (the /dev/disk/by-label links);
// - the network volume from a network mount's remote source ("server:/export", "//host/share");
// - the substituted path from a bind mount: the folder it shows.
// A table that cannot be read, or a path on no mount, gives "cannot tell": type 0, empty texts.
// Nothing here raises.

#include <QList>
#include <QString>

#include "vexo/graphics_export.h"

namespace vexo {

enum TDriveType {
    dtUnknown = 0,
    dtNoRootDir = 1, // kept for the classic numbering; a path always has a root here
    dtRemovable = 2,
    dtFixed = 3,
    dtRemote = 4,
    dtCDROM = 5,
    dtRAMDisk = 6,
};

struct VEXO_GRAPHICS_EXPORT TMountEntry {
    QString device; // "major:minor"
    QString root;   // the folder of the file system shown at the mount point
    QString mountPoint;
    QString fsType;
    QString source; // "/dev/sda1", "server:/export", "tmpfs"...
};

class VEXO_GRAPHICS_EXPORT TMountTable {
public:
    // The table of a mountinfo file and the folder of label links; empty when unreadable.
    static TMountTable Read(const QString& mountInfo, const QString& labelFolder);
    // The running system's table, read anew on each call.
    static TMountTable System();

    // The mount holding `path` (made absolute and, when it exists, free of links): the one
    // with the longest mount point that contains it, the later of equal ones. None when the
    // table is empty.
    const TMountEntry* Find(const QString& path) const;
    // The file-system label of the mount's device; empty without one.
    QString Label(const TMountEntry& entry) const;

    QList<TMountEntry> Entries;
    QString LabelFolder;
};

VEXO_GRAPHICS_EXPORT TDriveType FindDriveType(const QString& path,
                                              const TMountTable& table = TMountTable::System());
VEXO_GRAPHICS_EXPORT bool IsCDROM(const QString& path,
                                  const TMountTable& table = TMountTable::System());
VEXO_GRAPHICS_EXPORT bool IsRAMDrive(const QString& path,
                                     const TMountTable& table = TMountTable::System());
// "[label]", upper-cased, or lower-cased when lowerCase (where a lower-case drive letter chose
// it); "[]" when the label cannot be read.
VEXO_GRAPHICS_EXPORT QString VolumeID(const QString& path, bool lowerCase = false,
                                      const TMountTable& table = TMountTable::System());
// The remote source of a network mount, cased as VolumeID; VolumeID for other mounts.
VEXO_GRAPHICS_EXPORT QString NetworkVolume(const QString& path, bool lowerCase = false,
                                           const TMountTable& table = TMountTable::System());
// The folder a bind mount holding `path` shows (where it is mounted itself); empty for a plain
// mount.
VEXO_GRAPHICS_EXPORT QString Substituted(const QString& path,
                                         const TMountTable& table = TMountTable::System());

} // namespace vexo
