#pragma once

#include <optional>
#include <string>

namespace harvex2::platform {
class Prompts;
class StatusBar;
} // namespace harvex2::platform

namespace harvex2::core {

class LinkList;
class ListFileBoxes;

// The open command of the main window: asks for a link list file, or takes the path it
// is given, and reads it into the list with the status texts of a load. A file that
// cannot be opened, is no regular file or has no link list header changes nothing; the
// message names it. Like the open
// dialog it stands for, it keeps the last path used or given and starts there next time.
class OpenLinkList {
public:
    OpenLinkList(LinkList& links, ListFileBoxes& boxes, platform::StatusBar& status,
                 platform::Prompts& prompts);

    // Without a preset path the open dialog asks, and a cancel changes nothing.
    void run(const std::optional<std::string>& presetPath);
    // The open dialog's current file name.
    const std::string& currentPath() const { return path_; }

private:
    bool askForPath();
    void load();

    LinkList& links_;
    ListFileBoxes& boxes_;
    platform::StatusBar& status_;
    platform::Prompts& prompts_;
    std::string path_;
};

} // namespace harvex2::core
