#include "platform/posix/MountTable.h"

#include <algorithm>
#include <array>

namespace harvex2::platform {

namespace {

// File systems that only show the kernel's state or hold read-only package images.
constexpr std::array<std::string_view, 24> kSystemTypes = {
    "autofs",    "binfmt_misc", "bpf",      "cgroup",   "cgroup2",     "configfs",
    "debugfs",   "devpts",      "devtmpfs", "efivarfs", "fusectl",     "hugetlbfs",
    "mqueue",    "nsfs",        "proc",     "pstore",   "rpc_pipefs",  "securityfs",
    "selinuxfs", "squashfs",    "sysfs",    "tracefs",  "fuse.portal", "fuse.gvfsd-fuse",
};

constexpr std::array<std::string_view, 4> kSystemFolders = {"/proc", "/sys", "/dev", "/run"};
constexpr std::string_view kRemovableMedia = "/run/media/";

bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

// The table writes a blank, tab, line break and backslash inside a field as "\ooo".
std::string decodeField(std::string_view field) {
    std::string decoded;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            decoded += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                         (field[i + 3] - '0'));
            i += 3;
        } else {
            decoded += field[i];
        }
    }
    return decoded;
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        fields.push_back(line.substr(start, end - start));
        at = end;
    }
    return fields;
}

bool isInside(std::string_view path, std::string_view folder) {
    return path == folder || (path.starts_with(folder) && path[folder.size()] == '/');
}

} // namespace

std::vector<MountEntry> MountTable::parse(std::string_view text) {
    std::vector<MountEntry> entries;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const auto fields = splitFields(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (fields.size() >= 3 && !fields[0].starts_with('#')) {
            entries.push_back(
                {decodeField(fields[0]), decodeField(fields[1]), decodeField(fields[2])});
        }
    }
    return entries;
}

bool MountTable::isSystemMount(const MountEntry& entry) {
    if (std::ranges::find(kSystemTypes, entry.type) != kSystemTypes.end()) {
        return true;
    }
    if (entry.mountPoint.starts_with(kRemovableMedia)) {
        return false;
    }
    return std::ranges::any_of(kSystemFolders, [&entry](std::string_view folder) {
        return isInside(entry.mountPoint, folder);
    });
}

} // namespace harvex2::platform
