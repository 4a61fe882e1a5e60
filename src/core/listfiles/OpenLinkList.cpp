#include "core/listfiles/OpenLinkList.h"

#include "core/listfiles/LinkListLoadRun.h"
#include "platform/Failure.h"
#include "platform/IoError.h"
#include "platform/Prompts.h"
#include "platform/StatusBar.h"

namespace harvex2::core {

using platform::StatusPanel;

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
    const auto chosen = prompts_.openFile({"Load Harvex links list",
                                           {{"Harvex Files", "*.nva"}, {"All files", "*.*"}},
                                           0,
                                           path_,
                                           "nva"});
    if (!chosen) {
        return false;
    }
    path_ = *chosen;
    return true;
}

void OpenLinkList::load() {
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
    failure_.reset();
    cancelled_ = false;
    ListFileObserver& observer = *this;
    auto run =
        std::make_unique<LinkListLoadRun>(std::move(reader), header, links_, boxes_, observer);
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
