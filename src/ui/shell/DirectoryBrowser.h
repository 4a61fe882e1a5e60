#pragma once

#include <optional>
#include <string>

namespace harvex2::ui {

// What the Browse for directory window offers the fields that use it.
class DirectoryBrowser {
public:
    virtual ~DirectoryBrowser() = default;
    // Shows the browser modally; the directory it shows when closed with OK, else nothing.
    virtual std::optional<std::string> browse() = 0;
};

} // namespace harvex2::ui
