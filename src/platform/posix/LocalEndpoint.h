#pragma once

#include <string>
#include <string_view>

namespace harvex2::platform {

// Where the program meets the download managers it talks to: one local socket per DDE
// service and topic, and one per automation ProgID, in the user's runtime folder. Only a
// folder that no other user may enter or write is used, so no other user can stand in
// for a server.
class LocalEndpoint {
public:
    // $XDG_RUNTIME_DIR, or empty when it is not set.
    static std::string runtimeFolderFromEnvironment();
    // A real folder (not a link to one) owned by this user, with no access for anyone else.
    static bool isPrivateFolder(const std::string& folder);

    // "dde.<service>.<topic>" and "automation.<progid>", in lower case: the names are
    // case-insensitive. Empty for a name no socket can carry (empty, "/", a zero byte).
    static std::string ddeName(std::string_view service, std::string_view topic);
    static std::string automationName(std::string_view progId);

    // The socket's path in `folder`; empty when the folder is not private, the name is
    // empty or the path is too long for a socket address.
    static std::string path(const std::string& folder, const std::string& name);
};

} // namespace harvex2::platform
