#include "core/handoff/Aria2Pass.h"

#include "core/handoff/PassSteps.h"

#include <algorithm>

namespace harvex2::core {

void Aria2Pass::run(AddingPassContext& context) {
    PassSteps::setUpProgress(context);
    context.allOk = true;
    context.window.setPleaseWaitStatus("Connecting to aria2...");
    context.window.showPleaseWait();
    context.events.processEvents();

    const std::string url = context.settings.aria2Url;
    const auto client = connector_.open(url, Aria2Session::kTimeout);
    Aria2Session session(*client, context.settings.aria2Secret);
    switch (session.greet()) {
    case Aria2Failure::None:
        break;
    case Aria2Failure::Unauthorized:
        PassSteps::Recover(context, true, "aria2 refused the secret token.");
        return;
    default:
        PassSteps::Recover(context, true, "Cannot connect to aria2 at " + url + ".");
        return;
    }
    context.window.hidePleaseWait();
    const std::size_t count = context.rows.count();
    for (std::size_t first = 0; first < count; first += Aria2Session::kBatchSize) {
        const std::size_t end = std::min(count, first + Aria2Session::kBatchSize);
        const Aria2Failure failure = addBatch(context, session, first, end);
        if (failure != Aria2Failure::None) {
            const std::size_t unconfirmed = failure == Aria2Failure::ConnectionLost ? end : first;
            connectionLost(context, first, unconfirmed, end,
                           Aria2Session::lostMessage(url, first, unconfirmed, count));
            return;
        }
        context.events.processEvents();
    }
    PassSteps::endOfPass(context);
}

Aria2Failure Aria2Pass::addBatch(AddingPassContext& context, Aria2Session& session,
                                 std::size_t first, std::size_t end) {
    std::vector<Aria2Link> links;
    links.reserve(end - first);
    for (std::size_t row = first; row < end; ++row) {
        PassSteps::beginRow(context, row);
        const AddingRow& current = context.rows.at(row);
        links.push_back(Aria2Session::linkFor(current.url, current.target));
    }
    std::vector<Aria2Outcome> outcomes;
    if (const Aria2Failure failure = session.add(links, outcomes); failure != Aria2Failure::None) {
        return failure;
    }
    for (std::size_t row = first; row < end; ++row) {
        record(context, row, outcomes[row - first]);
        context.window.setProgressPosition(static_cast<int>(row));
    }
    return Aria2Failure::None;
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
    context.prompts.message(
        {platform::MessageIcon::Error, "Error", message, {platform::MessageButton::Ok}});
    // The window stays open on the rows to check in aria2 and the ones still waiting.
    context.passEnded = true;
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
}

} // namespace harvex2::core
