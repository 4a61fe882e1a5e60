#include "cli/LinkWriter.h"

namespace harvex2::cli {

namespace {
constexpr std::size_t kFlushAt = 1024 * 1024;
}

LinkWriter::LinkWriter(std::FILE* out, char separator) : out_(out), separator_(separator) {
    pending_.reserve(kFlushAt + 4096);
}

LinkWriter::~LinkWriter() {
    flush();
}

void LinkWriter::write(std::string_view link) {
    pending_.append(link);
    pending_.push_back(separator_);
    if (pending_.size() >= kFlushAt) {
        flush();
    }
}

bool LinkWriter::flush() {
    if (!pending_.empty() &&
        std::fwrite(pending_.data(), 1, pending_.size(), out_) != pending_.size()) {
        failed_ = true;
    }
    pending_.clear();
    if (std::fflush(out_) != 0) {
        failed_ = true;
    }
    return !failed_;
}

} // namespace harvex2::cli
