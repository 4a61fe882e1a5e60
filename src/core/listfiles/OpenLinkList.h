#pragma once

#include "core/listfiles/ListFileObserver.h"
#include "core/shell/SlicedRun.h"

#include <optional>
#include <string>

namespace harvex2::platform {
class Prompts;
class StatusBar;
} // namespace harvex2::platform

namespace harvex2::core {

class LinkList;
class ListFileBoxes;
class SlicedRun;

// The open command of the main window: asks for a link list file, or takes the path it
// is given, and reads it into the list with the status texts of a load, in slices that
// the starter drives. A file that cannot be opened, is no regular file or has no link
// list header changes nothing; the message names it. Like the open dialog it stands for,
// it keeps the last path used or given and starts there next time. The dialog's text-list
// filters read a text list instead, one link a line; with "Import names" each line is
// "link<TAB>name".
class OpenLinkList : private ListFileObserver {
public:
    OpenLinkList(LinkList& links, ListFileBoxes& boxes, platform::StatusBar& status,
                 platform::Prompts& prompts, RunStarter startRun);

    // Without a preset path the open dialog asks, and a cancel changes nothing. Nothing
    // happens while a load is under way.
    void run(const std::optional<std::string>& presetPath);
    // Ends the load under way at its next slice; what was read stays.
    void cancel();
    bool running() const { return run_ != nullptr; }
    // The open dialog's current file name.
    const std::string& currentPath() const { return path_; }

private:
    bool askForPath();
    void load();
    void loadText(bool names);
    void started(std::unique_ptr<SlicedRun> run);
    void loadEnded();
    void progressed(std::size_t entries) override;
    void failed(const platform::IoError& error) override;

    LinkList& links_;
    ListFileBoxes& boxes_;
    platform::StatusBar& status_;
    platform::Prompts& prompts_;
    RunStarter startRun_;
    std::string path_;
    // The open dialog's filter, which says how the file is read.
    std::size_t filter_ = 0;
    SlicedRun* run_ = nullptr; // owned by whoever drives it, until loadEnded()
    std::optional<std::string> failure_;
    bool cancelled_ = false;
};

} // namespace harvex2::core
