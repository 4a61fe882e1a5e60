#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace harvex2::platform {

// One line of the kernel's table of mounts.
struct MountEntry {
    std::string source; // the device or what stands for it ("tmpfs", "server:/export")
    std::string mountPoint;
    std::string type;

    bool operator==(const MountEntry&) const = default;
};

// Reads the table of mounts (the format of /proc/self/mounts and /etc/mtab) and tells the
// volumes a user keeps files on from the kernel's own interfaces.
class MountTable {
public:
    // Every well-formed line in order, with the table's octal escapes ("\040") decoded.
    static std::vector<MountEntry> parse(std::string_view text);
    // A kernel interface, a read-only image, or anything mounted in the system's own
    // folders (/proc, /sys, /dev, /run) except removable media under /run/media.
    static bool isSystemMount(const MountEntry& entry);
};

} // namespace harvex2::platform
