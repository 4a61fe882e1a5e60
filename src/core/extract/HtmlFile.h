#pragma once

#include "core/extract/ByteSource.h"

#include <memory>
#include <string>

namespace harvex2::platform {
class ReadingFile;
}

namespace harvex2::core {

// An HTML source file opened for one scan. Reads go straight into the caller's buffer.
class HtmlFile final : public ByteSource {
public:
    explicit HtmlFile(const std::string& path);
    ~HtmlFile() override;
    HtmlFile(const HtmlFile&) = delete;
    HtmlFile& operator=(const HtmlFile&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // Why the open failed: a platform::IoError code.
    int error() const { return error_; }

    // A read failure ends the input like the end of the file.
    std::size_t read(char* buffer, std::size_t capacity) override;

private:
    std::unique_ptr<platform::ReadingFile> file_;
    int error_ = 0;
};

} // namespace harvex2::core
