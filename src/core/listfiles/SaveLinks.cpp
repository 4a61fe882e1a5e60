#include "core/listfiles/SaveLinks.h"

#include "core/listfiles/LinkExport.h"
#include "core/listfiles/LinkListFileWriter.h"
#include "core/listfiles/ListFileBoxes.h"
#include "core/listfiles/ListFileWriteRun.h"
#include "core/listfiles/ManagerListExport.h"
#include "core/listfiles/ManagerListLine.h"
#include "core/shell/LinkList.h"
#include "platform/Failure.h"
#include "platform/IoError.h"
#include "platform/Prompts.h"
#include "platform/StatusBar.h"
#include "platform/posix/ReplacingFile.h"

#include <ctime>

namespace harvex2::core {

using platform::StatusPanel;

SaveLinks::SaveLinks(const LinkList& links, const ListFileBoxes& boxes, platform::StatusBar& status,
                     platform::Prompts& prompts, RunStarter startRun)
    : links_(links), boxes_(boxes), status_(status), prompts_(prompts),
      startRun_(std::move(startRun)) {}

void SaveLinks::save(const SaveChoice& choice, const PageFooter& footer) {
    if (running()) {
        return;
    }
    status_.setText(StatusPanel::State, "Saving...");
    std::unique_ptr<platform::ReplacingFile> out = openFile(choice);
    if (!out) {
        return;
    }
    format_ = choice.format;
    failure_.reset();
    managerList_.reset();
    std::unique_ptr<ListFileWriteRun> run =
        format_ == SaveFormat::LinkList           ? listFileRun(std::move(out))
        : ManagerListLine::isManagerForm(format_) ? managerListRun(std::move(out), choice)
                                                  : exportRun(std::move(out), choice, footer);
    run_ = run.get();
    startRun_(std::move(run), [this] { saveEnded(); });
}

void SaveLinks::finishNow() {
    if (run_) {
        run_->complete();
        saveEnded();
    }
}

// Refused before a byte was written: the box says which file and why.
std::unique_ptr<platform::ReplacingFile> SaveLinks::openFile(const SaveChoice& choice) {
    try {
        return std::make_unique<platform::ReplacingFile>(choice.path);
    } catch (const platform::IoError& error) {
        if (choice.format == SaveFormat::LinkList) {
            prompts_.report({platform::FailureKind::File, error.what(), choice.path});
        } else {
            prompts_.report({platform::FailureKind::Stated,
                             "Error opening output file\n" +
                                 platform::namedFailure(choice.path, error.what())});
        }
        return nullptr;
    }
}

std::unique_ptr<ListFileWriteRun>
SaveLinks::listFileRun(std::unique_ptr<platform::ReplacingFile> out) {
    ListFileObserver& observer = *this;
    // Seen as they are written, so the warning needs no second pass over a long list.
    cut_ = LongTexts::ofHeader(boxes_);
    return std::make_unique<ListFileWriteRun>(
        std::move(out), LinkListFileWriter::head(boxes_), links_.count(),
        [this](std::string& bytes, std::size_t first, std::size_t end) {
            LinkListFileWriter::appendEntries(bytes, links_, first, end, &cut_);
        },
        std::string(), observer);
}

std::unique_ptr<ListFileWriteRun>
SaveLinks::managerListRun(std::unique_ptr<platform::ReplacingFile> out, const SaveChoice& choice) {
    std::string dir = boxes_.downloadDirectory();
    if (dir.find_first_not_of(' ') == std::string::npos) {
        dir.clear();
    }
    managerList_ = std::make_shared<ManagerListExport>(
        links_, ManagerListExport::Options{choice.format, choice.scope, boxes_.baseUrl(),
                                           std::move(dir), choice.nameMask, choice.referrer,
                                           HandoffDate::local(std::time(nullptr))});
    ListFileObserver& observer = *this;
    return std::make_unique<ListFileWriteRun>(
        std::move(out), std::string(), links_.count(),
        [list = managerList_](std::string& bytes, std::size_t first, std::size_t end) {
            for (std::size_t index = first; index < end; ++index) {
                list->appendEntry(bytes, index);
            }
        },
        std::string(), observer);
}

std::unique_ptr<ListFileWriteRun> SaveLinks::exportRun(std::unique_ptr<platform::ReplacingFile> out,
                                                       const SaveChoice& choice,
                                                       const PageFooter& footer) {
    LinkExport::Options options{choice.format, choice.scope, boxes_.baseUrl(), footer};
    std::string head = LinkExport::head(options);
    std::string tail = LinkExport::tail(options);
    ListFileObserver& observer = *this;
    return std::make_unique<ListFileWriteRun>(
        std::move(out), std::move(head), links_.count(),
        [this, options = std::move(options)](std::string& bytes, std::size_t first,
                                             std::size_t end) {
            for (std::size_t index = first; index < end; ++index) {
                LinkExport::appendEntry(bytes, links_, index, options);
            }
        },
        std::move(tail), observer);
}

// The position of the entry last written, as a list file is saved.
void SaveLinks::progressed(std::size_t entries) {
    if (format_ == SaveFormat::LinkList && entries > 0) {
        status_.setText(StatusPanel::Detail, std::to_string(entries - 1));
    }
}

void SaveLinks::failed(const platform::IoError& error) {
    failure_ = error.what();
}

// Boxes come only now: shown from inside a slice, they would serve events in the middle of
// one.
void SaveLinks::saveEnded() {
    if (!run_) {
        return;
    }
    run_ = nullptr;
    if (failure_) {
        prompts_.report({platform::FailureKind::General, *failure_});
        return;
    }
    if (format_ != SaveFormat::LinkList) {
        status_.setText(StatusPanel::State, "Saved links");
        if (managerList_ && !managerList_->refusals().empty()) {
            prompts_.message({platform::MessageIcon::Warning,
                              "Harvex2",
                              managerList_->refusalMessage(),
                              {platform::MessageButton::Ok}});
        }
        return;
    }
    status_.setText(StatusPanel::State, "Saved");
    status_.setText(StatusPanel::Detail, "");
    if (cut_.count() > 0) {
        prompts_.message({platform::MessageIcon::Warning,
                          "Harvex2",
                          cut_.message(),
                          {platform::MessageButton::Ok}});
    }
}

} // namespace harvex2::core
