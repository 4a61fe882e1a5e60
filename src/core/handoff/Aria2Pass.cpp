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
        if (!addBatch(context, session, first, std::min(count, first + Aria2Session::kBatchSize))) {
            PassSteps::Recover(context, false,
                               "The connection to aria2 at " + url +
                                   " was lost. The links not yet added are still waiting.");
            return;
        }
        context.events.processEvents();
    }
    PassSteps::endOfPass(context);
}

bool Aria2Pass::addBatch(AddingPassContext& context, Aria2Session& session, std::size_t first,
                         std::size_t end) {
    std::vector<Aria2Link> links;
    links.reserve(end - first);
    for (std::size_t row = first; row < end; ++row) {
        PassSteps::beginRow(context, row);
        const AddingRow& current = context.rows.at(row);
        links.push_back(Aria2Session::linkFor(current.url, current.target));
    }
    std::vector<Aria2Outcome> outcomes;
    if (session.add(links, outcomes) != Aria2Failure::None) {
        // aria2 may have taken some of them, but nothing says which: none is counted as added
        // and the tidy-up keeps them all.
        for (std::size_t row = first; row < end; ++row) {
            context.rows.setStatus(row, "Waiting", RowPicture::Waiting);
        }
        return false;
    }
    for (std::size_t row = first; row < end; ++row) {
        record(context, row, outcomes[row - first]);
        context.window.setProgressPosition(static_cast<int>(row));
    }
    return true;
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
