#include "core/sequence/SequenceActions.h"

#include "core/sequence/AddingRowsSink.h"
#include "core/sequence/GlobPreview.h"
#include "core/sequence/GlobTemplate.h"
#include "core/sequence/LinkListSink.h"
#include "core/sequence/SequenceError.h"
#include "core/sequence/SequencePlan.h"
#include "core/shell/MruHistory.h"
#include "platform/ConversionError.h"
#include "platform/ErrorBox.h"

#include <new>
#include <string>

namespace harvex2::core {

using platform::MessageButton;
using platform::MessageIcon;

void SequenceActions::loadHistories() {
    parts_.urlBox.setEntries(MruHistory::load(parts_.userStore, mru::kSeqUrl));
    parts_.dirBox.setEntries(MruHistory::load(parts_.userStore, mru::kSeqDir));
}

void SequenceActions::test(const SequenceFields& fields) {
    if (running_) {
        return;
    }
    SequenceSink& preview = parts_.dialog.clearPreview(fields.downloadDir);
    const RunScope run(*this, SequenceRunKind::Test);
    parts_.events.processEvents();
    attempt([&] {
        SequenceRunner(parts_.dialog, parts_.events, parts_.pace).run(*plan(fields), preview);
    });
}

void SequenceActions::add(const SequenceFields& fields) {
    if (running_) {
        return;
    }
    {
        const RunScope run(*this, SequenceRunKind::Add);
        bool delivered = false;
        if (!attempt([&] { delivered = deliver(fields); }) || !delivered) {
            return;
        }
    }
    saveHistories();
    if (parts_.settings.acas) {
        parts_.dialog.closeWithOk();
    }
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

// Every field is read before the first URL is made, so a failure leaves every target as
// it was.
bool SequenceActions::deliver(const SequenceFields& fields) {
    const std::unique_ptr<SequenceSeries> plan = this->plan(fields);
    const SequenceSeries& series = *plan;
    if (!confirmed(fields, series.count())) {
        return false;
    }
    SequenceRunner runner(parts_.dialog, parts_.events, parts_.pace);
    parts_.adding.rows().clear();
    if (fields.nv) {
        AddingRowsSink rows(parts_.adding.rows(), fields.downloadDir);
        runner.run(series, rows);
        parts_.adding.run();
    } else {
        LinkListSink list(parts_.links, dynamic_cast<const GlobTemplate*>(&series));
        runner.run(series, list);
        askToCopyDirectory(fields.downloadDir);
    }
    return true;
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

SequenceActions::RunScope::RunScope(SequenceActions& actions, SequenceRunKind kind)
    : actions_(actions) {
    actions_.running_ = true;
    actions_.parts_.dialog.setRunning(kind);
}

SequenceActions::RunScope::~RunScope() {
    actions_.parts_.dialog.setRunning(SequenceRunKind::None);
    actions_.parts_.dialog.setProgressPosition(0);
    actions_.running_ = false;
}

bool SequenceActions::attempt(const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const MissingMarkerError& failure) {
        parts_.prompts.message(
            {MessageIcon::Error, "Harvex2", failure.what(), {MessageButton::Ok}});
    } catch (const SequenceError& failure) {
        platform::showErrorBox(parts_.prompts, failure.what());
    } catch (const platform::ConversionError& failure) {
        platform::showErrorBox(parts_.prompts, failure.what());
    } catch (const std::bad_alloc&) {
        platform::showErrorBox(parts_.prompts, "Not enough memory to make the series.");
    }
    return false;
}

} // namespace harvex2::core
