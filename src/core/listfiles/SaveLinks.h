#pragma once

#include "core/listfiles/ListFileObserver.h"
#include "core/listfiles/LongTexts.h"
#include "core/listfiles/SaveChoice.h"
#include "core/shell/SlicedRun.h"

#include <memory>
#include <optional>
#include <string>

namespace harvex2::platform {
class Prompts;
class ReplacingFile;
class StatusBar;
} // namespace harvex2::platform

namespace harvex2::core {

class LinkList;
class ListFileBoxes;
class ListFileWriteRun;
class ManagerListExport;

// What the Save Links command does once its dialog has been confirmed: writes the list in
// the chosen form, in slices that the starter drives, and tells the state on the status
// bar. The list is not changed; the entries saved are those it holds when the save
// starts. A save that fails leaves any earlier file of that name as it was.
class SaveLinks : private ListFileObserver {
public:
    SaveLinks(const LinkList& links, const ListFileBoxes& boxes, platform::StatusBar& status,
              platform::Prompts& prompts, RunStarter startRun);

    // Nothing happens while a save is under way.
    void save(const SaveChoice& choice, const PageFooter& footer);
    // Finishes the save under way at once and tells how it went, as when the program ends.
    void finishNow();
    bool running() const { return run_ != nullptr; }

private:
    std::unique_ptr<platform::ReplacingFile> openFile(const SaveChoice& choice);
    std::unique_ptr<ListFileWriteRun> listFileRun(std::unique_ptr<platform::ReplacingFile> out);
    std::unique_ptr<ListFileWriteRun> managerListRun(std::unique_ptr<platform::ReplacingFile> out,
                                                     const SaveChoice& choice);
    std::unique_ptr<ListFileWriteRun> exportRun(std::unique_ptr<platform::ReplacingFile> out,
                                                const SaveChoice& choice, const PageFooter& footer);
    void saveEnded();
    void progressed(std::size_t entries) override;
    void failed(const platform::IoError& error) override;

    const LinkList& links_;
    const ListFileBoxes& boxes_;
    platform::StatusBar& status_;
    platform::Prompts& prompts_;
    RunStarter startRun_;
    SaveFormat format_ = SaveFormat::LinkList;
    ListFileWriteRun* run_ = nullptr; // owned by whoever drives it, until saveEnded()
    std::optional<std::string> failure_;
    LongTexts cut_;                                  // of the list file being saved
    std::shared_ptr<ManagerListExport> managerList_; // of a list for a download manager
};

} // namespace harvex2::core
