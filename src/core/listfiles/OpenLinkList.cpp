#include "core/listfiles/OpenLinkList.h"

#include "core/listfiles/LinkListLoadRun.h"
#include "core/listfiles/TextListLoadRun.h"
#include "platform/Failure.h"
#include "platform/IoError.h"
#include "platform/Prompts.h"
#include "platform/StatusBar.h"

namespace harvex2::core {

using platform::StatusPanel;

namespace {
// The filters of the open dialog, the two of a link list file first.
enum Filter : std::size_t { kListFiles, kAllFiles, kTextLists, kNamedTextLists };
} // namespace

OpenLinkList::OpenLinkList(LinkList& links, ListFileBoxes& boxes, platform::StatusBar& status,
                           platform::Prompts& prompts, RunStarter startRun)
    : links_(links), boxes_(boxes), status_(status), prompts_(prompts),
      startRun_(std::move(startRun)) {}

void OpenLinkList::run(const std::optional<std::string>& presetPath) {
    if (running()) {
        return;
    }
    if (presetPath) {
        path_ = *presetPath;
        filter_ = kListFiles;
    } else if (!askForPath()) {
        return;
    }
    load();
}

void OpenLinkList::cancel() {
    if (run_) {
        cancelled_ = true;
        run_->cancel();
    }
}

bool OpenLinkList::askForPath() {
    const auto chosen = prompts_.openFileOfType({"Load Harvex links list",
                                                 {{"Harvex Files", "*.nva"},
                                                  {"All files", "*.*"},
                                                  {"Text lists", "*.txt"},
                                                  {"Import names", "*.txt"}},
                                                 filter_,
                                                 path_,
                                                 "nva"});
    if (!chosen) {
        return false;
    }
    path_ = chosen->path;
    filter_ = chosen->filterIndex;
    return true;
}

void OpenLinkList::load() {
    if (filter_ == kTextLists || filter_ == kNamedTextLists) {
        loadText(filter_ == kNamedTextLists);
        return;
    }
    std::unique_ptr<LinkListFileReader> reader;
    LinkListFileReader::Header header;
    try {
        reader = std::make_unique<LinkListFileReader>(path_);
        header = reader->header();
    } catch (const platform::IoError& error) {
        // Nothing has changed yet, so the box must say which file was not taken.
        prompts_.report({platform::FailureKind::File, error.what(), path_});
        return;
    }
    status_.setText(StatusPanel::State, "Loading...");
    ListFileObserver& observer = *this;
    started(std::make_unique<LinkListLoadRun>(std::move(reader), header, links_, boxes_, observer));
}

void OpenLinkList::loadText(bool names) {
    std::unique_ptr<TextListLoadRun> run;
    try {
        ListFileObserver& observer = *this;
        run = std::make_unique<TextListLoadRun>(path_, names, links_, observer);
    } catch (const platform::IoError& error) {
        prompts_.report({platform::FailureKind::File, error.what(), path_});
        return;
    }
    status_.setText(StatusPanel::State, "Loading...");
    started(std::move(run));
}

void OpenLinkList::started(std::unique_ptr<SlicedRun> run) {
    failure_.reset();
    cancelled_ = false;
    run_ = run.get();
    startRun_(std::move(run), [this] { loadEnded(); });
}

void OpenLinkList::progressed(std::size_t entries) {
    status_.setText(StatusPanel::Detail, std::to_string(entries));
}

void OpenLinkList::failed(const platform::IoError& error) {
    failure_ = error.what();
}

// The box comes only now: shown from inside a slice, it would serve events in the middle
// of one.
void OpenLinkList::loadEnded() {
    run_ = nullptr;
    if (cancelled_) {
        return;
    }
    if (failure_) {
        // The state panel keeps "Loading...": the load did not end.
        prompts_.report({platform::FailureKind::General, *failure_});
        return;
    }
    status_.setText(StatusPanel::State, "Loaded");
    status_.setText(StatusPanel::Detail, path_);
}

} // namespace harvex2::core
