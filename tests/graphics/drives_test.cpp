// Drive queries against a made-up mount table and label folder, and against the real ones.

#include "graphics/drives.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "support/testdir.h"

using namespace vexo;

namespace {

// One mountinfo line: id parent device root mount-point options - type source super-options.
QByteArray Line(const char* device, const char* root, const char* mountPoint, const char* type,
                const char* source) {
    return QByteArray("36 25 ") + device + ' ' + root + ' ' + mountPoint +
           " rw,relatime shared:1 - " + type + ' ' + source + " rw\n";
}

struct FakeSystem {
    FakeSystem() {
        dir.Write(QStringLiteral("mountinfo"),
                  Line("8:1", "/", "/", "ext4", "/dev/sda1") +
                      Line("8:2", "/", "/srv/data", "xfs", dev("sdb2")) +
                      Line("11:0", "/", "/media/cdrom", "iso9660", "/dev/sr0") +
                      Line("11:1", "/", "/media/dvd", "udf", "/dev/sr1") +
                      Line("0:40", "/", "/run/user/1000", "tmpfs", "tmpfs") +
                      Line("0:41", "/", "/mnt/ram", "ramfs", "ramfs") +
                      Line("0:50", "/", "/mnt/nfs", "nfs4", "FileServer:/Export") +
                      Line("0:51", "/", "/mnt/share", "cifs", "//Host/Share") +
                      Line("0:52", "/", "/mnt/ssh", "fuse.sshfs", "user@Box:/home") +
                      Line("8:2", "/projects/web", "/var/www", "xfs", dev("sdb2")) +
                      Line("8:3", "/@home", "/home", "btrfs", "/dev/sda3") +
                      Line("8:1", "/", "/mnt/with\\040blank", "ext4", "/dev/sda1") +
                      "a broken line\n");
        QDir().mkpath(dir.File(QStringLiteral("labels")));
        dir.Write(QStringLiteral("dev/sdb2"), "");
        QFile::link(dir.File(QStringLiteral("dev/sdb2")),
                    dir.File(QStringLiteral("labels/Data\\x20Disk")));
        table = TMountTable::Read(dir.File(QStringLiteral("mountinfo")),
                                  dir.File(QStringLiteral("labels")));
    }
    QByteArray dev(const char* name) const {
        return dir.File(QStringLiteral("dev/") + QLatin1String(name)).toUtf8();
    }
    TestDir dir;
    TMountTable table;
};

} // namespace

struct TypeCase {
    const char* path;
    TDriveType type;
};

class DriveType : public ::testing::TestWithParam<TypeCase> {};

TEST_P(DriveType, ComesFromTheFileSystemOfTheMountHoldingThePath) {
    const FakeSystem fake;
    const TypeCase& c = GetParam();
    const QString path = QString::fromUtf8(c.path);
    EXPECT_EQ(FindDriveType(path, fake.table), c.type) << c.path;
    EXPECT_EQ(IsCDROM(path, fake.table), c.type == dtCDROM);
    EXPECT_EQ(IsRAMDrive(path, fake.table), c.type == dtRAMDisk);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DriveType,
    ::testing::Values(TypeCase{"/etc/nowhere", dtFixed}, TypeCase{"/srv/data/x/y", dtFixed},
                      TypeCase{"/media/cdrom/setup", dtCDROM}, TypeCase{"/media/dvd", dtCDROM},
                      TypeCase{"/media/cdromx", dtFixed}, // a sibling, not inside
                      TypeCase{"/run/user/1000/f", dtRAMDisk}, TypeCase{"/mnt/ram", dtRAMDisk},
                      TypeCase{"/mnt/nfs/a", dtRemote}, TypeCase{"/mnt/share", dtRemote},
                      TypeCase{"/mnt/ssh/b", dtRemote}, TypeCase{"/mnt/with blank/c", dtFixed}));

TEST(Drives, LabelsNetworkSourcesAndBindMounts) {
    const FakeSystem fake;
    EXPECT_EQ(VolumeID(QStringLiteral("/srv/data/f"), false, fake.table),
              QStringLiteral("[DATA DISK]"));
    EXPECT_EQ(VolumeID(QStringLiteral("/srv/data"), true, fake.table),
              QStringLiteral("[data disk]"));
    EXPECT_EQ(VolumeID(QStringLiteral("/media/cdrom"), false, fake.table), QStringLiteral("[]"));
    EXPECT_EQ(NetworkVolume(QStringLiteral("/mnt/nfs/a"), false, fake.table),
              QStringLiteral("FILESERVER:/EXPORT"));
    EXPECT_EQ(NetworkVolume(QStringLiteral("/mnt/share"), true, fake.table),
              QStringLiteral("//host/share"));
    EXPECT_EQ(NetworkVolume(QStringLiteral("/srv/data"), true, fake.table),
              QStringLiteral("[data disk]"));
    // /var/www shows /projects/web of the disk mounted at /srv/data.
    EXPECT_EQ(Substituted(QStringLiteral("/var/www/index.html"), fake.table),
              QStringLiteral("/srv/data/projects/web"));
    EXPECT_EQ(Substituted(QStringLiteral("/srv/data"), fake.table), QString());
    EXPECT_EQ(Substituted(QStringLiteral("/home/me"), fake.table), QString()); // a subvolume
    EXPECT_EQ(FindDriveType(QStringLiteral("/var/www"), fake.table), dtFixed);
}

TEST(Drives, AnUnreadableTableCannotTell) {
    const TMountTable none =
        TMountTable::Read(QStringLiteral("/nonexistent/mountinfo"), QStringLiteral("/nonexistent"));
    EXPECT_EQ(FindDriveType(QStringLiteral("/"), none), dtUnknown);
    EXPECT_EQ(VolumeID(QStringLiteral("/"), false, none), QStringLiteral("[]"));
    EXPECT_EQ(NetworkVolume(QStringLiteral("/"), false, none), QStringLiteral("[]"));
    EXPECT_EQ(Substituted(QStringLiteral("/"), none), QString());
}

TEST(Drives, TheRealTableHoldsTheRoot) {
    const TMountTable real = TMountTable::System();
    ASSERT_FALSE(real.Entries.isEmpty());
    ASSERT_NE(real.Find(QStringLiteral("/")), nullptr);
    EXPECT_NE(FindDriveType(QStringLiteral("/"), real), dtUnknown);
    const QString id = VolumeID(QStringLiteral("/"));
    EXPECT_TRUE(id.startsWith(QLatin1Char('[')) && id.endsWith(QLatin1Char(']')));
}
