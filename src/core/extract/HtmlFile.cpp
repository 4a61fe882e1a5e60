#include "core/extract/HtmlFile.h"

#include "platform/IoError.h"
#include "platform/posix/ReadingFile.h"

namespace harvex2::core {

HtmlFile::HtmlFile(const std::string& path) {
    try {
        file_ = std::make_unique<platform::ReadingFile>(path);
    } catch (const platform::IoError& error) {
        error_ = error.code();
    }
}

HtmlFile::~HtmlFile() = default;

std::size_t HtmlFile::read(char* buffer, std::size_t capacity) {
    if (!file_) {
        return 0;
    }
    try {
        return file_->read(buffer, capacity);
    } catch (const platform::IoError&) {
        return 0;
    }
}

} // namespace harvex2::core
