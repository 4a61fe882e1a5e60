#pragma once

#include <string>
#include <sys/types.h>

namespace harvex2::platform {

// What tells one version of a file from the next: replacing a file by rename gives it a
// new inode, and an edit in place changes its size or times.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    long long modified = 0;
    long long changed = 0;
    // A plain file, rather than a folder, a FIFO, a device or a socket.
    bool regular = false;

    // An empty stamp when the file is missing or cannot be examined.
    static FileStamp ofPath(const std::string& path);
    // Throws IoError.
    static FileStamp ofDescriptor(int fd);

    bool exists() const { return size >= 0; }
    bool operator==(const FileStamp&) const = default;
};

} // namespace harvex2::platform
