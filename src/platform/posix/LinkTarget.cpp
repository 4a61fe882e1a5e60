#include "platform/posix/LinkTarget.h"

#include <filesystem>
#include <system_error>

namespace harvex2::platform {

namespace {
// The hops the system itself follows before it gives up with ELOOP.
constexpr int kMaxHops = 40;
} // namespace

std::string LinkTarget::resolve(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path current = path;
    for (int hop = 0; hop < kMaxHops; ++hop) {
        std::error_code error;
        const fs::path target = fs::read_symlink(current, error);
        if (error) {
            break;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current.string();
}

} // namespace harvex2::platform
