#include "platform/posix/WakePipe.h"

#include <fcntl.h>
#include <unistd.h>

namespace harvex2::platform {

WakePipe::WakePipe() {
    if (::pipe2(ends_, O_NONBLOCK | O_CLOEXEC) != 0) {
        ends_[0] = ends_[1] = -1;
    }
}

WakePipe::~WakePipe() {
    for (const int end : ends_) {
        if (end >= 0) {
            ::close(end);
        }
    }
}

void WakePipe::wake() const {
    // Nothing reads the byte: the pipe stays readable, so every later wait ends at once too.
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(ends_[1], &byte, 1);
}

} // namespace harvex2::platform
