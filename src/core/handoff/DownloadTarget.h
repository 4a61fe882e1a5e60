#pragma once

#include <string>
#include <string_view>

namespace harvex2::core {

// Where the download manager is asked to save a link.
class DownloadTarget {
public:
    static constexpr char kSeparator = '/';

    // Empty without a folder; otherwise the folder, one separator and the link's file name:
    // everything after its last "/" (all of it when it has none), nothing else changed.
    static std::string forLink(std::string_view folder, std::string_view link);
};

} // namespace harvex2::core
