#include "cli/LinkWriter.h"

#include <cerrno>
#include <cstring>
#include <poll.h>

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
    if (error_ != 0) {
        return;
    }
    if (link.size() >= kFlushAt) {
        // A link of megabytes goes out as it is rather than as a second copy.
        flush();
        if (std::fwrite(link.data(), 1, link.size(), out_) != link.size()) {
            fail(errno);
        }
    } else {
        pending_.append(link);
    }
    pending_.push_back(separator_);
    if (pending_.size() >= kFlushAt) {
        flush();
    }
}

bool LinkWriter::flush() {
    if (!pending_.empty() && error_ == 0 &&
        std::fwrite(pending_.data(), 1, pending_.size(), out_) != pending_.size()) {
        fail(errno);
    }
    pending_.clear();
    if (std::fflush(out_) != 0) {
        fail(errno);
    }
    return error_ == 0;
}

bool LinkWriter::finish(std::FILE* err, const char* what) {
    if (flush()) {
        return true;
    }
    if (error_ != EPIPE) {
        std::fprintf(err, "harvex2-cli: the %s could not be written: %s\n", what,
                     std::strerror(error_));
    }
    return false;
}

bool LinkWriter::deliver() {
    if (flush() && readerGone()) {
        fail(EPIPE);
    }
    return error_ == 0;
}

void LinkWriter::fail(int error) {
    if (error_ == 0) {
        error_ = error != 0 ? error : EIO;
    }
}

// A pipe whose reader has gone reports an error condition before anything is written to
// it; a terminal or a file never does.
bool LinkWriter::readerGone() const {
    pollfd watch{fileno(out_), 0, 0};
    return ::poll(&watch, 1, 0) == 1 && (watch.revents & (POLLERR | POLLHUP)) != 0;
}

} // namespace harvex2::cli
