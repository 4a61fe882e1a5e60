#include "core/handoff/AddCommand.h"

#include "core/extract/BaseUrl.h"
#include "core/handoff/AddingPass.h"
#include "core/handoff/DownloadTarget.h"
#include "core/handoff/ListTidyUp.h"
#include "core/handoff/RowNaming.h"
#include "core/shell/MruHistory.h"
#include "platform/Failure.h"

#include <algorithm>
#include <array>

namespace harvex2::core {

using platform::MessageButton;
using platform::StatusPanel;

namespace {

constexpr std::array<const char*, 4> kSpinnerTexts{"| ", "/ ", "--", "\\ "};

platform::MessageRequest baseRequest(const std::string& link) {
    return {platform::MessageIcon::Error,
            "Harvex2",
            "Error: this link requires a Base URL\r\n" + link,
            {MessageButton::Cancel, MessageButton::Ignore, MessageButton::IgnoreAll}};
}

// Marks the time a slice runs: an answer given meanwhile lets the slice go on rather than
// start the run again.
class SliceMark {
public:
    explicit SliceMark(bool& inSlice) : inSlice_(inSlice) { inSlice_ = true; }
    ~SliceMark() { inSlice_ = false; }
    SliceMark(const SliceMark&) = delete;
    SliceMark& operator=(const SliceMark&) = delete;

private:
    bool& inSlice_;
};

std::size_t addedRows(const AddingRows& rows) {
    std::size_t added = 0;
    for (std::size_t row = 0; row < rows.count(); ++row) {
        if (rows.at(row).picture == RowPicture::Added) {
            ++added;
        }
    }
    return added;
}

// What the status bar adds when links sent before were left out.
std::string leftOutText(const AddingRows& rows) {
    if (rows.leftOutCount() == 0) {
        return {};
    }
    return ", " + std::to_string(rows.leftOutCount()) + " sent before";
}

} // namespace

// The row building as the window's loop drives it.
class AddCommand::RowBuilding : public SlicedRun {
public:
    explicit RowBuilding(AddCommand& command) : command_(command) {}
    bool advance() override { return command_.buildSlice(); }
    void cancel() override { command_.endNow(); }

private:
    AddCommand& command_;
};

void AddCommand::setRunningChanged(std::function<void(bool)> listener) {
    runningChanged_ = std::move(listener);
}

bool AddCommand::addSelected(RunStarter start) {
    if (running_) {
        return false;
    }
    start_ = std::move(start);
    setRunning(true);
    building_ = true;
    ending_ = false;
    spinner_ = 0;
    ignoreMissingBase_ = false;
    leaveOutSentTo_.reset();
    if (parts_.settings.skipSent && parts_.sent) {
        leaveOutSentTo_ = AddingPass::targetName(parts_.settings);
    }
    parts_.statusBar.setText(StatusPanel::State, "Creating links list...");
    parts_.statusBar.setText(StatusPanel::Detail, "  ");
    advanceSpinner();
    parts_.adding.rows().clear();
    count_ = parts_.links.count();
    next_ = 0;
    pace_.restart();
    driveRows();
    return true;
}

void AddCommand::driveRows() {
    start_(std::make_unique<RowBuilding>(*this), {});
}

bool AddCommand::buildSlice() {
    if (!building_ || question_) {
        return false;
    }
    const SliceMark mark(inSlice_);
    try {
        // The list may only grow meanwhile; never read past its end.
        const std::size_t end = std::min({count_, next_ + kSliceEntries, parts_.links.count()});
        for (; next_ < end; ++next_) {
            if (pace_.due() || next_ + 1 == count_) {
                showProgress(next_, count_);
            }
            if (!parts_.links.checkedAt(next_)) {
                continue;
            }
            const RowResult result = addRowFor(next_);
            if (result == RowResult::Waiting) {
                // The answer decides this link; the next run goes on after it.
                ++next_;
            }
            if (result != RowResult::Done) {
                return false;
            }
        }
        if (next_ < std::min(count_, parts_.links.count())) {
            return true;
        }
        building_ = false;
        handOver();
    } catch (const std::exception& failure) {
        fail(failure);
    }
    return false;
}

AddCommand::RowResult AddCommand::addRowFor(std::size_t index) {
    std::string link(parts_.links.textAt(index));
    if (!BaseUrl::isAbsolute(link)) {
        const std::string base = parts_.baseUrl.text();
        if (base.empty()) {
            return ignoreMissingBase_ ? RowResult::Done : askForBase(link);
        }
        link = BaseUrl::join(base, link);
    }
    SavePlace place = DownloadTarget::placeFor(parts_.downloadDirectory.text(), link);
    const RowSource source{index, parts_.links.idAt(index)};
    AddingRows& rows = parts_.adding.rows();
    if (leaveOutSentTo_ && parts_.sent->wasSent(link, *leaveOutSentTo_)) {
        rows.appendLeftOut(std::move(link), std::move(place), source);
    } else {
        rows.append(std::move(link), std::move(place), source);
    }
    return RowResult::Done;
}

// The run stops while the box is open, so the window serves its events without a loop of
// the box's own, and goes on from the answer.
AddCommand::RowResult AddCommand::askForBase(const std::string& link) {
    question_ = std::make_shared<int>();
    parts_.prompts.ask(baseRequest(link),
                       [this, asked = std::weak_ptr<int>(question_)](MessageButton answer) {
                           if (!asked.expired()) {
                               baseAnswered(answer);
                           }
                       });
    if (question_) {
        return RowResult::Waiting;
    }
    return building_ ? RowResult::Done : RowResult::Ended;
}

void AddCommand::baseAnswered(MessageButton answer) {
    question_.reset();
    if (answer != MessageButton::Ignore && answer != MessageButton::IgnoreAll) {
        needBase();
        return;
    }
    ignoreMissingBase_ = answer == MessageButton::IgnoreAll;
    if (!inSlice_) {
        driveRows();
    }
}

void AddCommand::needBase() {
    parts_.statusBar.setText(StatusPanel::Detail, "Need Base URL");
    parts_.statusBar.setText(StatusPanel::State, "Failed");
    building_ = false;
    setRunning(false);
}

void AddCommand::showProgress(std::size_t index, std::size_t count) {
    advanceSpinner();
    parts_.statusBar.setText(StatusPanel::Detail, std::string(kSpinnerTexts[spinner_ - 1]) + " " +
                                                      std::to_string(index + 1) + " of " +
                                                      std::to_string(count));
}

void AddCommand::advanceSpinner() {
    spinner_ = spinner_ % kSpinnerTexts.size() + 1;
    parts_.statusBar.setText(StatusPanel::Detail, {});
    parts_.statusBar.setText(StatusPanel::Detail, kSpinnerTexts[spinner_ - 1]);
}

void AddCommand::handOver() {
    if (parts_.adding.rows().shownCount() == 0) {
        parts_.statusBar.setText(StatusPanel::State, "Error");
        parts_.statusBar.setText(StatusPanel::Detail, "No links selected!");
        setRunning(false);
        return;
    }
    RowNaming::apply(parts_.adding.rows(), parts_.links, parts_.settings,
                     {parts_.baseUrl.text(), parts_.downloadDirectory.text(),
                      HandoffDate::local(std::time(nullptr))});
    parts_.statusBar.setText(StatusPanel::Detail, "Adding links...");
    parts_.adding.open([this] { handedOver(); });
}

void AddCommand::handedOver() {
    try {
        const AddingRows& rows = parts_.adding.rows();
        parts_.statusBar.setText(StatusPanel::Detail,
                                 "Handed over " + std::to_string(addedRows(rows)) + " of " +
                                     std::to_string(rows.count()) +
                                     (rows.count() == 1 ? " link to " : " links to ") +
                                     AddingPass::targetName(parts_.settings) + leftOutText(rows));
        // A program that is closing asks nothing; the list it leaves is not kept anyway.
        if (!ending_) {
            ListTidyUp::apply(parts_.links, rows, parts_.settings.tidyUp, parts_.prompts);
        }
        saveHistories();
    } catch (const std::exception& failure) {
        fail(failure);
        return;
    }
    setRunning(false);
}

void AddCommand::endNow() {
    if (!running_) {
        return;
    }
    ending_ = true;
    if (building_) {
        building_ = false;
        question_.reset();
        setRunning(false);
        return;
    }
    parts_.adding.closeNow();
}

void AddCommand::saveHistories() {
    for (auto [box, spec] : {std::pair{&parts_.baseUrl, &mru::kMainBaseUrl},
                             std::pair{&parts_.downloadDirectory, &mru::kMainDir}}) {
        box->setEntries(MruHistory::save(parts_.userStore, *spec, box->entries(), box->text()));
    }
}

// A failure the command does not handle (the settings store refusing a write) still ends
// the run.
void AddCommand::fail(const std::exception& failure) {
    building_ = false;
    setRunning(false);
    if (!ending_) {
        parts_.prompts.reportThen({platform::FailureKind::General, failure.what()}, {});
    }
}

void AddCommand::setRunning(bool running) {
    running_ = running;
    if (runningChanged_) {
        runningChanged_(running);
    }
}

} // namespace harvex2::core
