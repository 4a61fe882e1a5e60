#include "core/extract/HtmlFile.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace harvex2::core {

HtmlFile::HtmlFile(const std::string& path) {
    // Some systems open a folder for reading and only fail on the first read, which would
    // pass a folder off as an empty page.
    std::error_code ignored;
    if (!path.empty() && std::filesystem::is_directory(path, ignored)) {
        error_ = static_cast<int>(std::errc::is_a_directory);
        return;
    }
    errno = 0;
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) {
        error_ = errno != 0 ? errno : static_cast<int>(std::errc::io_error);
        return;
    }
    // The scanner brings its own large buffer; a second one would only copy.
    std::setvbuf(file_, nullptr, _IONBF, 0);
}

HtmlFile::~HtmlFile() {
    if (file_) {
        std::fclose(file_);
    }
}

std::size_t HtmlFile::read(char* buffer, std::size_t capacity) {
    if (!file_) {
        return 0;
    }
    return std::fread(buffer, 1, capacity, file_);
}

} // namespace harvex2::core
