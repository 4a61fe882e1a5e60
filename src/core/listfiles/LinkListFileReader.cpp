#include "core/listfiles/LinkListFileReader.h"

#include "platform/IoError.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace harvex2::core {

using platform::IoError;

namespace {
constexpr std::size_t kBufferRecords = 512;
} // namespace

LinkListFileReader::LinkListFileReader(const std::string& path) {
    // A folder opens for reading on some systems and would read as an empty file.
    std::error_code ignored;
    if (!path.empty() && std::filesystem::is_directory(path, ignored)) {
        throw IoError(EISDIR);
    }
    errno = 0;
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) {
        throw IoError(errno != 0 ? errno : EIO);
    }
    std::setvbuf(file_, nullptr, _IONBF, 0);
    buffer_.resize(kBufferRecords * LinkListRecord::kSize);
}

LinkListFileReader::LinkListFileReader(std::FILE* file) : file_(file) {
    buffer_.resize(kBufferRecords * LinkListRecord::kSize);
}

LinkListFileReader::~LinkListFileReader() {
    if (file_) {
        std::fclose(file_);
    }
}

// Moves a partial record to the front and reads on until the buffer is full or the file
// ends; false when not one byte is left.
bool LinkListFileReader::fill() {
    std::memmove(buffer_.data(), buffer_.data() + position_, end_ - position_);
    end_ -= position_;
    position_ = 0;
    while (end_ < buffer_.size()) {
        const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
        end_ += got;
        if (got == 0) {
            if (std::ferror(file_)) {
                throw IoError(errno != 0 ? errno : EIO);
            }
            break;
        }
    }
    return end_ > 0;
}

std::optional<LinkListRecord::Fields> LinkListFileReader::next() {
    if (end_ - position_ < LinkListRecord::kSize && !fill()) {
        return std::nullopt;
    }
    if (end_ - position_ < LinkListRecord::kSize) {
        throw IoError(IoError::kReadBeyondEnd);
    }
    const std::string_view record(buffer_.data() + position_, LinkListRecord::kSize);
    position_ += LinkListRecord::kSize;
    return LinkListRecord::decode(record);
}

LinkListRecord::Fields LinkListFileReader::required() {
    if (auto record = next()) {
        return *record;
    }
    throw IoError(IoError::kReadBeyondEnd);
}

} // namespace harvex2::core
