#pragma once

#include <string>

namespace harvex2::platform {

// Where the user's own files of the program live, by the XDG base directory rules.
class UserFolders {
public:
    // An unset variable reads as empty.
    static std::string environment(const char* name);
    // $HOME, else the home folder of the user's account.
    static std::string home();
    // $XDG_DATA_HOME/harvex2, else ~/.local/share/harvex2. A relative $XDG_DATA_HOME is
    // ignored, as the rules say.
    static std::string data();
    // Makes `path` and the folders on its way, private to the user where new. Throws IoError.
    static void make(const std::string& path);
};

} // namespace harvex2::platform
