#include "platform/posix/MountTable.h"

#include "platform/posix/PosixLocalFolders.h"
#include "support/core/TempFolder.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

namespace fs = std::filesystem;

TEST(MountTable, ReadsEachLineWithItsEscapesDecoded) {
    const auto entries = MountTable::parse("/dev/vda / ext4 rw,relatime 0 0\n"
                                           "/dev/sdb1 /media/ann/My\\040Card vfat rw 0 0\n"
                                           "# a remark\n"
                                           "short line\n"
                                           "\n"
                                           "server:/export /mnt/a\\134b\\011c nfs4 rw 0 0");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], (MountEntry{"/dev/vda", "/", "ext4"}));
    EXPECT_EQ(entries[1], (MountEntry{"/dev/sdb1", "/media/ann/My Card", "vfat"}));
    EXPECT_EQ(entries[2], (MountEntry{"server:/export", "/mnt/a\\b\tc", "nfs4"}));
}

TEST(MountTable, LeavesOutTheKernelsOwnFileSystemsAndFolders) {
    const struct {
        MountEntry entry;
        bool system;
    } cases[] = {
        {{"/dev/vda", "/", "ext4"}, false},
        {{"tmpfs", "/tmp", "tmpfs"}, false},
        {{"/dev/sdb1", "/run/media/ann/CARD", "vfat"}, false},
        {{"/dev/sdc1", "/mnt/backup", "btrfs"}, false},
        {{"proc", "/proc", "proc"}, true},
        {{"sysfs", "/sys", "sysfs"}, true},
        {{"cgroup", "/sys/fs/cgroup/cpu", "cgroup"}, true},
        {{"tmpfs", "/dev/shm", "tmpfs"}, true},
        {{"tmpfs", "/run/user/1000", "tmpfs"}, true},
        {{"tmpfs", "/run", "tmpfs"}, true},
        {{"/dev/loop3", "/snap/core/1", "squashfs"}, true},
        {{"portal", "/home/ann/.doc", "fuse.portal"}, true},
        {{"tmpfs", "/runner", "tmpfs"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry.mountPoint);
        EXPECT_EQ(MountTable::isSystemMount(c.entry), c.system) << c.entry.mountPoint;
    }
}

TEST(PosixLocalFolders, ListsTheVolumesWithTheirNames) {
    const test::TempFolder temp;
    for (const char* folder : {"card", "my disk", "backup", "labels"}) {
        fs::create_directory(temp.file(folder));
    }
    const std::string device = temp.makeFile("devices/sdb1");
    fs::create_symlink("../devices/sdb1", temp.file("labels/My\\x20Card"));
    const std::string hosts = temp.makeFile("hosts");
    const std::string table = device + " " + temp.file("card") + " vfat rw 0 0\n" + "/dev/sdc1 " +
                              temp.file("my\\040disk") + " ext4 rw 0 0\n" + "/dev/sdd1 " +
                              temp.file("backup") + " ext4 rw 0 0\n" + "/dev/sde1 " +
                              temp.file("backup") + " xfs rw 0 0\n" + "/dev/vda " + hosts +
                              " ext4 rw 0 0\n" + "tmpfs " + temp.file("gone") + " tmpfs rw 0 0\n" +
                              "proc /proc proc rw 0 0\n";
    PosixLocalFolders folders(temp.makeFile("mounts", table), temp.file("labels"));

    const std::vector<Volume> volumes = folders.volumes();
    // The root is always there; a file mounted on a file and a mount point that is no
    // folder are left out; the last of two mounts on one folder is the one seen.
    ASSERT_EQ(volumes.size(), 4u);
    EXPECT_EQ(volumes[0].mountPoint, "/");
    EXPECT_EQ(volumes[1].mountPoint, temp.file("backup"));
    EXPECT_EQ(volumes[1].name, "sde1");
    EXPECT_EQ(volumes[2].mountPoint, temp.file("card"));
    EXPECT_EQ(volumes[2].name, "My Card");
    EXPECT_EQ(volumes[3].mountPoint, temp.file("my disk"));
    EXPECT_EQ(volumes[3].name, "sdc1");
}

} // namespace
} // namespace harvex2::platform
