#include "core/handoff/Aria2Pass.h"

#include "core/handoff/Aria2Endpoints.h"
#include "core/handoff/DownloadReports.h"
#include "core/handoff/PassCalls.h"
#include "core/handoff/PassSteps.h"
#include "core/handoff/TargetTable.h"

#include <utility>

namespace harvex2::core {

// The connection and the hand-over, which the calls' thread works on.
struct Aria2Pass::Link {
    std::unique_ptr<platform::JsonRpcClient> client;
    std::unique_ptr<Aria2Handover> handover;
};

void Aria2Pass::start(AddingPassContext& context) {
    PassSteps::setUpProgress(context);
    context.allOk = true;
    followed_.clear();
    endpoint_ = Aria2Endpoints::chosen(context.settings);
    if (const std::string refusal = Aria2Endpoints::refusal(endpoint_); !refusal.empty()) {
        PassSteps::Recover(context, false, refusal, [&context] { PassSteps::finish(context); });
        return;
    }
    context.window.setPleaseWaitStatus("Connecting to aria2...");
    context.window.showPleaseWait();

    std::vector<Aria2Link> links;
    links.reserve(context.rows.count());
    for (std::size_t row = 0; row < context.rows.count(); ++row) {
        const AddingRow& current = context.rows.at(row);
        // A row without a folder of its own goes to the endpoint's.
        const SavePlace place = current.place.folder.empty()
                                    ? DownloadTarget::placeFor(endpoint_.folder, current.url)
                                    : current.place;
        links.push_back(
            Aria2Session::linkFor(current.url, place, current.givenName, current.referrer));
    }
    // Opening only prepares the connection; the first call makes it.
    link_ = std::make_shared<Link>();
    link_->client = connector_.open({endpoint_.url, endpoint_.caFile}, Aria2Session::kTimeout);
    link_->handover =
        std::make_unique<Aria2Handover>(*link_->client, endpoint_.secret, std::move(links));
    context.calls->run<Aria2Failure>(
        [link = link_] { return link->handover->greet(); },
        [this, &context](Aria2Failure failure) { greeted(context, failure); });
}

void Aria2Pass::interrupt() {
    if (link_) {
        link_->client->interrupt();
        link_.reset();
    }
}

void Aria2Pass::greeted(AddingPassContext& context, Aria2Failure failure) {
    switch (failure) {
    case Aria2Failure::None:
        break;
    case Aria2Failure::Unauthorized:
        PassSteps::Recover(context, true, "aria2 refused the secret token.",
                           [&context] { PassSteps::finish(context); });
        return;
    default:
        PassSteps::Recover(context, true, "Cannot connect to aria2 at " + endpoint_.url + ".",
                           [&context] { PassSteps::finish(context); });
        return;
    }
    context.window.hidePleaseWait();
    sendBatch(context, 0);
}

void Aria2Pass::sendBatch(AddingPassContext& context, std::size_t first) {
    const Aria2Handover& handover = *link_->handover;
    if (handover.finished()) {
        link_.reset();
        handOut(context);
        PassSteps::endOfPass(context);
        return;
    }
    for (std::size_t row = first; row < handover.nextEnd(); ++row) {
        PassSteps::beginRow(context, row);
    }
    context.calls->run<Aria2Batch>(
        [link = link_] { return link->handover->sendNext(); },
        [this, &context](Aria2Batch batch) { batchAnswered(context, batch); });
}

void Aria2Pass::batchAnswered(AddingPassContext& context, const Aria2Batch& batch) {
    const std::size_t first = batch.first;
    if (batch.failure != Aria2Failure::None) {
        const std::size_t unconfirmed = batch.unconfirmedEnd();
        handOut(context);
        connectionLost(
            context, first, unconfirmed, batch.end,
            Aria2Session::lostMessage(endpoint_.url, first, unconfirmed, context.rows.count()));
        link_.reset();
        return;
    }
    for (std::size_t row = first; row < batch.end; ++row) {
        record(context, row, batch.outcomes[row - first]);
        context.window.setProgressPosition(static_cast<int>(row));
    }
    sendBatch(context, batch.end);
}

void Aria2Pass::connectionLost(AddingPassContext& context, std::size_t first,
                               std::size_t unconfirmed, std::size_t end,
                               const std::string& message) {
    // aria2 may have taken any of a batch it was sent, and nothing says which: none is counted
    // as added or refused. A batch that could not be sent is still waiting.
    for (std::size_t row = first; row < end; ++row) {
        if (row < unconfirmed) {
            context.rows.setStatus(row, "Not confirmed", RowPicture::Fatal);
            context.rows.setOutcome(row, RowOutcome::Fatal);
        } else {
            context.rows.setStatus(row, "Waiting", RowPicture::Waiting);
        }
    }
    // The fatal marker keeps the tidy-up from removing the entries of rows not confirmed or
    // still waiting.
    context.rows.setOutcome(0, RowOutcome::Fatal);
    // The window stays open on the rows to check in aria2 and the ones still waiting.
    context.passEnded = true;
    PassSteps::reportThen(context, {platform::FailureKind::Connection, message},
                          [&context] { PassSteps::finish(context); });
}

void Aria2Pass::record(AddingPassContext& context, std::size_t row, const Aria2Outcome& outcome) {
    if (!outcome.added) {
        context.rows.setStatus(row, outcome.text, RowPicture::Refused);
        context.rows.setOutcome(row, RowOutcome::Refused);
        context.allOk = false;
        return;
    }
    context.rows.setStatus(row, "Added", RowPicture::Added);
    PassSteps::countAdded(context.settings);
    const AddingRow& added = context.rows.at(row);
    followed_.push_back({added.source ? added.source->entry : 0, added.url, outcome.text});
}

void Aria2Pass::handOut(AddingPassContext& context) {
    if (context.reports == nullptr || followed_.empty()) {
        return;
    }
    context.reports->follow({std::string(TargetTable::forHandOff(context.settings.mode).name),
                             endpoint_.url, endpoint_.secret, endpoint_.caFile,
                             std::exchange(followed_, {})});
}

} // namespace harvex2::core
