#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace harvex2::platform {

class TemporaryFile;

// Writes a file's new contents into a temporary file beside it and puts that in the
// file's place only on commit(), so a save that fails half-way leaves the earlier file as
// it was. Unlike AtomicFile it streams: a long list never has to sit whole in memory.
// A link is written through to the regular file it names; any other kind of target is
// refused. The replaced file keeps its permissions, and its owner and group where the
// process may. Every failure throws IoError; the temporary file is removed unless
// committed.
class ReplacingFile {
public:
    // Fails as creating `path` itself would where the temporary file cannot stand for it:
    // an empty name, a missing folder, a read-only file or folder; and for a FIFO, a
    // device, a file with other hard links or a link to nothing.
    explicit ReplacingFile(const std::string& path);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void write(std::string_view bytes);
    // Writes what is pending, closes the temporary file and renames it over the target.
    void commit();

private:
    void flush();

    std::string target_;
    std::unique_ptr<TemporaryFile> file_;
    std::string pending_;
};

} // namespace harvex2::platform
