#include "cli/StandardInput.h"

#include <cerrno>
#include <unistd.h>

namespace harvex2::cli {

std::size_t StandardInput::read(char* buffer, std::size_t capacity) {
    for (;;) {
        const ssize_t count = ::read(STDIN_FILENO, buffer, capacity);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            return 0;
        }
    }
}

} // namespace harvex2::cli
