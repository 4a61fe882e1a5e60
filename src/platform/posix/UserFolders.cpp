#include "platform/posix/UserFolders.h"

#include "platform/IoError.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace harvex2::platform {

std::string UserFolders::environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string UserFolders::home() {
    std::string home = environment("HOME");
    if (home.empty()) {
        const passwd* entry = ::getpwuid(::getuid());
        home = entry && entry->pw_dir ? entry->pw_dir : ".";
    }
    return home;
}

std::string UserFolders::data() {
    const std::string xdg = environment("XDG_DATA_HOME");
    const bool usable = !xdg.empty() && xdg.front() == '/';
    return (usable ? xdg : home() + "/.local/share") + "/harvex2";
}

void UserFolders::make(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string step = path.substr(0, slash);
        if (!step.empty() && ::mkdir(step.c_str(), 0700) != 0 && errno != EEXIST) {
            throw IoError::fromErrno();
        }
        if (slash == std::string::npos) {
            return;
        }
    }
}

} // namespace harvex2::platform
