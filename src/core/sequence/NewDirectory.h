#pragma once

#include "platform/LocalFolders.h"
#include "platform/Prompts.h"

#include <string>
#include <string_view>

namespace harvex2::core {

// "Create New Directory": makes one folder inside the directory the browser shows.
class NewDirectory {
public:
    // Builds the path from the two texts and makes the folder; when that fails the user is
    // told which path could not be made. Returns whether the folder was made.
    static bool create(platform::LocalFolders& folders, platform::Prompts& prompts,
                       std::string_view createIn, std::string_view name);
};

} // namespace harvex2::core
