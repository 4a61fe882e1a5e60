#include "core/sequence/SequenceActions.h"

#include "core/sequence/AddingRowsSink.h"
#include "core/sequence/GlobPreview.h"
#include "core/sequence/GlobTemplate.h"
#include "core/sequence/LinkListSink.h"
#include "core/sequence/SequenceError.h"
#include "core/sequence/SequencePlan.h"
#include "core/shell/MruHistory.h"
#include "platform/ConversionError.h"
#include "platform/Failure.h"
#include "platform/RegistryError.h"

#include <new>
#include <string>
#include <utility>

namespace harvex2::core {

using platform::FailureKind;
using platform::MessageButton;
using platform::MessageIcon;

namespace {
constexpr const char* kOutOfMemory = "Not enough memory to make the series.";
}

void SequenceActions::loadHistories() {
    parts_.urlBox.setEntries(MruHistory::load(parts_.userStore, mru::kSeqUrl));
    parts_.dirBox.setEntries(MruHistory::load(parts_.userStore, mru::kSeqDir));
}

void SequenceActions::test(const SequenceFields& fields) {
    if (running()) {
        return;
    }
    SequenceSink& preview = parts_.dialog.clearPreview(fields.downloadDir);
    if (begin(SequenceRunKind::Test, fields)) {
        start(preview);
    }
}

// Every field is read before the first URL is made, so a failure leaves every target as
// it was.
void SequenceActions::add(const SequenceFields& fields) {
    if (running()) {
        return;
    }
    if (!begin(SequenceRunKind::Add, fields)) {
        return;
    }
    if (!confirmed(fields, current_.series->count())) {
        endRun();
        return;
    }
    parts_.adding.rows().clear();
    if (fields.nv) {
        current_.sink = std::make_unique<AddingRowsSink>(parts_.adding.rows(), fields.downloadDir);
    } else {
        current_.sink = std::make_unique<LinkListSink>(
            parts_.links, dynamic_cast<const GlobTemplate*>(current_.series.get()));
    }
    start(*current_.sink);
}

void SequenceActions::cancel() {
    if (run_) {
        run_->cancel();
    }
}

bool SequenceActions::begin(SequenceRunKind kind, const SequenceFields& fields) {
    current_.kind = kind;
    current_.fields = fields;
    parts_.dialog.setRunning(kind);
    if (!attempt([&] { current_.series = plan(fields); })) {
        endRun();
        return false;
    }
    return true;
}

void SequenceActions::start(SequenceSink& sink) {
    auto run = std::make_unique<SequenceRun>(*current_.series, sink, parts_.dialog, current_.end);
    run_ = run.get();
    parts_.startRun(std::move(run), [this] { runEnded(); });
}

void SequenceActions::runEnded() {
    run_ = nullptr;
    const SequenceRun::End end = current_.end;
    const SequenceFields fields = current_.fields;
    const bool added = current_.kind == SequenceRunKind::Add && end == SequenceRun::End::Done;
    if (added) {
        deliver(fields);
    } else if (current_.kind == SequenceRunKind::Add && fields.nv) {
        // Rows of a series cut short would be handed on by the next Add selected.
        parts_.adding.rows().clear();
    }
    endRun();
    if (end == SequenceRun::End::OutOfMemory) {
        parts_.prompts.report({FailureKind::General, kOutOfMemory});
    }
    if (!added) {
        return;
    }
    try {
        saveHistories();
    } catch (const platform::RegistryError& failure) {
        // The store may refuse the histories like any write; the series is added anyway.
        parts_.prompts.report({FailureKind::General, failure.what()});
    }
    if (parts_.settings.acas) {
        parts_.dialog.closeWithOk();
    }
}

void SequenceActions::deliver(const SequenceFields& fields) {
    if (fields.nv) {
        parts_.adding.run();
    } else {
        askToCopyDirectory(fields.downloadDir);
    }
}

void SequenceActions::endRun() {
    parts_.dialog.setRunning(SequenceRunKind::None);
    parts_.dialog.setProgressPosition(0);
    current_ = {};
}

std::unique_ptr<SequenceSeries> SequenceActions::plan(const SequenceFields& fields) const {
    std::unique_ptr<SequenceSeries> plan;
    if (fields.glob) {
        plan = std::make_unique<GlobTemplate>(GlobTemplate::parse(fields.url));
    } else {
        plan = std::make_unique<SequencePlan>(fields);
    }
    if (plan->count() > kMaxNumbers) {
        throw SequenceError("The range holds " + std::to_string(plan->count()) +
                            " numbers; a series can hold at most " + std::to_string(kMaxNumbers) +
                            ".");
    }
    refuseBeyondByteCap(*plan, fields.downloadDir);
    return plan;
}

// Each URL is held whole, and beside it the file it is saved as when a folder is given.
void SequenceActions::refuseBeyondByteCap(const SequenceSeries& series,
                                          const std::string& directory) {
    const std::uint64_t longest = series.longestUrl();
    const std::uint64_t perUrl = directory.empty() ? longest : 2 * longest + directory.size();
    if (perUrl != 0 && series.count() > kMaxBytes / perUrl) {
        throw SequenceError("The series would make more than " + std::to_string(kMaxBytes >> 20) +
                            " MB of links; make it shorter or split it.");
    }
}

bool SequenceActions::confirmed(const SequenceFields& fields, std::uint64_t count) {
    if (!fields.glob || count <= kAskAbove) {
        return true;
    }
    return parts_.prompts.message({MessageIcon::Question,
                                   "Add Sequential Files",
                                   "Add " + GlobPreview::groupedDigits(count) + " URLs?",
                                   {MessageButton::Yes, MessageButton::No}}) == MessageButton::Yes;
}

void SequenceActions::askToCopyDirectory(const std::string& directory) {
    if (directory.empty()) {
        return;
    }
    const MessageButton answer = parts_.prompts.message(
        {MessageIcon::Question,
         "Add Sequence to Harvex",
         "Copy download directory from Add Sequence window\r\nto main window?",
         {MessageButton::Yes, MessageButton::No}});
    if (answer == MessageButton::Yes) {
        parts_.dialog.setMainDownloadDirectory(directory);
    }
}

void SequenceActions::saveHistories() {
    for (auto [box, spec] :
         {std::pair{&parts_.urlBox, &mru::kSeqUrl}, std::pair{&parts_.dirBox, &mru::kSeqDir}}) {
        box->setEntries(MruHistory::save(parts_.userStore, *spec, box->entries(), box->text()));
    }
}

bool SequenceActions::attempt(const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const MissingMarkerError& failure) {
        parts_.prompts.report({FailureKind::Stated, failure.what()});
    } catch (const SequenceError& failure) {
        parts_.prompts.report({FailureKind::General, failure.what()});
    } catch (const platform::ConversionError& failure) {
        parts_.prompts.report({FailureKind::General, failure.what()});
    } catch (const std::bad_alloc&) {
        parts_.prompts.report({FailureKind::General, kOutOfMemory});
    }
    return false;
}

} // namespace harvex2::core
