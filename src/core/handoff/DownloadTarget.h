#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace harvex2::core {

// Where the download manager is asked to save a link.
class DownloadTarget {
public:
    static constexpr char kSeparator =
        static_cast<char>(std::filesystem::path::preferred_separator);

    // Empty without a folder; otherwise the folder, the platform's separator unless it ends
    // with one, and the link's file name: everything after its last "/" (all of it when it
    // has none), nothing else changed.
    static std::string forLink(std::string_view folder, std::string_view link);
    // The same for a name given whole, a relative path that may hold folders.
    static std::string forName(std::string_view folder, std::string_view name);
};

} // namespace harvex2::core
