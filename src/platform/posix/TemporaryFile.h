#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

struct stat;

namespace harvex2::platform {

// The file a new version of `target` is written to before it takes the target's place:
// "<target>.<process id>.tmp" in the same folder, so that writers in several processes
// never share one. A leftover of a writer that died is removed by the next replacement of
// the same target, once no process of that id is running. Every failure throws IoError;
// the temporary file is removed unless committed.
class TemporaryFile {
public:
    // Created empty, readable and writable by the owner only.
    explicit TemporaryFile(const std::string& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Takes the owner and group of the file it replaces where the process may; another
    // user's file saved by root stays that user's.
    void keepOwner(const struct stat& replaced);
    void setMode(mode_t mode);
    void write(std::string_view bytes);
    // Puts the written bytes on the disk, then the file in the target's place, then the
    // folder's new entry on the disk, so that after a crash the target is whole: the old
    // version or the new one.
    void commit();

private:
    std::string target_;
    std::string path_;
    int fd_ = -1;
};

} // namespace harvex2::platform
