#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace harvex2::platform {

// A regular file opened for reading, the one way the program opens a file a user names.
// Anything else is refused before it is read: a FIFO would hold the program until some
// writer comes, a device such as /dev/zero never ends, and opening a device may act on it.
// A link is followed to what it names.
class ReadingFile {
public:
    // Throws IoError: EISDIR for a folder, IoError::kNotRegularFile for any other kind of
    // file, otherwise the system's reason.
    explicit ReadingFile(const std::string& path);
    ~ReadingFile();
    ReadingFile(const ReadingFile&) = delete;
    ReadingFile& operator=(const ReadingFile&) = delete;

    // Up to `capacity` bytes, fewer only at the end; 0 at the end. Throws IoError.
    std::size_t read(char* buffer, std::size_t capacity);
    // Moves to `offset` bytes from the start, where the next read begins. Throws IoError.
    void seek(std::uint64_t offset);

private:
    int fd_ = -1;
};

} // namespace harvex2::platform
