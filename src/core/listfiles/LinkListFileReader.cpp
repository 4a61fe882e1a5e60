#include "core/listfiles/LinkListFileReader.h"

#include "platform/IoError.h"
#include "platform/posix/ReadingFile.h"

#include <algorithm>
#include <cstring>

namespace harvex2::core {

using platform::IoError;

namespace {
// As many as a load takes in one slice, so that a slice appends one run to the list.
constexpr std::size_t kBufferRecords = 4096;
constexpr std::size_t kHeaderSize = LinkListRecord::kHeaderRecords * LinkListRecord::kSize;
} // namespace

LinkListFileReader::LinkListFileReader(const std::string& path)
    : file_(std::make_unique<platform::ReadingFile>(path)) {
    buffer_.resize(kBufferRecords * LinkListRecord::kSize);
}

LinkListFileReader::~LinkListFileReader() = default;

// Moves a partial record to the front and reads on until the buffer is full or the file
// ends; false when not one byte is left.
bool LinkListFileReader::fill() {
    std::memmove(buffer_.data(), buffer_.data() + position_, end_ - position_);
    end_ -= position_;
    position_ = 0;
    end_ += file_->read(buffer_.data() + end_, buffer_.size() - end_);
    return end_ > 0;
}

LinkListFileReader::Header LinkListFileReader::header() {
    fill();
    const std::string_view bytes(buffer_.data(), std::min(end_, kHeaderSize));
    if (!LinkListRecord::couldBeHeader(bytes)) {
        throw IoError(IoError::kNotLinkList);
    }
    if (bytes.size() < kHeaderSize) {
        throw IoError(IoError::kReadBeyondEnd);
    }
    position_ = kHeaderSize;
    return {std::string(LinkListRecord::decode(bytes.substr(LinkListRecord::kSize)).text),
            std::string(LinkListRecord::decode(bytes.substr(2 * LinkListRecord::kSize)).text)};
}

std::string_view LinkListFileReader::records(std::size_t most) {
    if ((end_ - position_) / LinkListRecord::kSize < most) {
        fill();
    }
    if (end_ == position_) {
        return {};
    }
    if (end_ - position_ < LinkListRecord::kSize) {
        throw IoError(IoError::kReadBeyondEnd);
    }
    const std::size_t count = std::min(most, (end_ - position_) / LinkListRecord::kSize);
    const std::string_view run(buffer_.data() + position_, count * LinkListRecord::kSize);
    position_ += run.size();
    return run;
}

} // namespace harvex2::core
