#include "platform/posix/LocalEndpoint.h"

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace harvex2::platform {

namespace {

bool usable(std::string_view name) {
    return !name.empty() && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

} // namespace

std::string LocalEndpoint::runtimeFolderFromEnvironment() {
    const char* folder = std::getenv("XDG_RUNTIME_DIR");
    return folder ? folder : "";
}

bool LocalEndpoint::isPrivateFolder(const std::string& folder) {
    struct stat info {};
    if (folder.empty() || ::lstat(folder.c_str(), &info) != 0) {
        return false;
    }
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

std::string LocalEndpoint::ddeName(std::string_view service, std::string_view topic) {
    if (!usable(service) || !usable(topic)) {
        return {};
    }
    return lower("dde." + std::string(service) + '.' + std::string(topic));
}

std::string LocalEndpoint::automationName(std::string_view progId) {
    return usable(progId) ? lower("automation." + std::string(progId)) : std::string();
}

std::string LocalEndpoint::path(const std::string& folder, const std::string& name) {
    if (name.empty() || !isPrivateFolder(folder)) {
        return {};
    }
    std::string joined = folder.back() == '/' ? folder + name : folder + '/' + name;
    return joined.size() < sizeof(sockaddr_un::sun_path) ? joined : std::string();
}

} // namespace harvex2::platform
