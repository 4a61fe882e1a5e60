#pragma once

#include <string>

namespace harvex2::core {

// The web addresses the program shows or opens. They all live under the project's own
// site, so moving the site means changing `home()` only; the pages for the download
// managers and the update engine point their users on to wherever those programs are
// kept at the time.
class ProjectSite {
public:
    static std::string home();
    static std::string contact();
    static std::string netVampire();
    static std::string reGet();
    static std::string directUpdate();
    // The update engine's installer archive.
    static std::string directUpdateDownload();
};

} // namespace harvex2::core
