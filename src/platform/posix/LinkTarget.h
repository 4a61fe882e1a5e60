#pragma once

#include <string>

namespace harvex2::platform {

// Where a chain of symbolic links ends. Dotfile managers keep a settings file as a link into
// a folder of their own; a write must replace the file the link points to, not the link.
class LinkTarget {
public:
    // The path reached by following `path` while it is a link, relative targets taken from
    // the link's own folder; `path` itself when it is no link or does not exist. A chain
    // longer than the system allows stops where it stands, so that opening it reports the
    // loop.
    static std::string resolve(const std::string& path);
};

} // namespace harvex2::platform
