#pragma once

#include <cassert>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace harvex2::ui {

// Main window commands whose work lives with other windows. Whoever provides one sets it
// here (a window's factory receives them through AppServices).
struct MainWindowHooks {
    // "&Add selected"; "Add a&ll" checks every entry first, then runs this.
    std::function<void()> addSelected;
    // "O&pen Harvex links list..." without a path; with a path (dropped file, command
    // line) the file is opened without asking.
    std::function<void(const std::optional<std::string>& presetPath)> openLinkList;
    // "Parse Multiple Files…": the user picks files, which go where a drop of several goes.
    std::function<void()> parseMultipleFiles;
    // Files dropped on the main window, full paths in the order received.
    std::function<void(const std::vector<std::string>& paths)> filesDropped;
    // Web and FTP links dragged from a browser, in the order received.
    std::function<void(const std::vector<std::string>& links)> linksDropped;
    std::function<void()> saveLinks;
    std::function<void()> checkForNewVersion;
    std::function<void()> about;
    // Whether links are being handed over, and ending that at once as the program closes.
    // Unset where no window hands links over.
    std::function<bool()> handOffRunning;
    std::function<void()> endHandOff;
};

// A hook that nothing set is a programming error: a debug build stops on it, a release build
// leaves the command without effect rather than end the user's session.
template <class Hook, class... Args> void callHook(const Hook& hook, Args&&... args) {
    assert(hook && "a main window command whose work no window provides");
    if (hook) {
        hook(std::forward<Args>(args)...);
    }
}

} // namespace harvex2::ui
