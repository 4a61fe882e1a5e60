#pragma once

#include <string>

namespace harvex2::platform {

enum class StatusPanel { State = 0, Detail = 1, Target = 2 };

// The three panels of the main window's status bar.
class StatusBar {
public:
    virtual ~StatusBar() = default;
    virtual void setText(StatusPanel panel, const std::string& text) = 0;
    virtual std::string text(StatusPanel panel) const = 0;
};

} // namespace harvex2::platform
