#include "core/handoff/RouteLeg.h"

#include "core/handoff/DownloadTarget.h"
#include "core/ledger/LedgerKeeper.h"

namespace harvex2::core {

namespace {

// Whether the target tells of each link that it took it, as the Add Options page reads the
// channel setting.
bool answersPerLink(const TargetKind& target, const SettingsRecord& settings) {
    return target.answers == LinkAnswers::Always || settings.nvdde;
}

SavePlace placeIn(const std::string& folder, const AddingRow& row) {
    SavePlace place = DownloadTarget::placeFor(folder, row.url);
    if (!row.place.fileName.empty()) {
        place.fileName = row.place.fileName;
    }
    return place;
}

} // namespace

RouteLeg::RouteLeg(NamedTarget target) : target_(std::move(target)) {
    rows_.setObserver(this);
}

RouteLeg::~RouteLeg() {
    rows_.setObserver(nullptr);
}

void RouteLeg::begin(AddingPassContext& main, const RouteTable::Share& share, std::size_t before) {
    main_ = &main;
    mainRows_ = &main.rows;
    mainGeneration_ = main.rows.generation();
    rowsOfMain_ = share.rows;
    before_ = before;
    closeRequested_ = false;
    rows_.clear();
    settings_ = target_.chosenIn(main.settings);
    const bool answers = answersPerLink(*target_.kind, settings_);
    for (std::size_t i = 0; i < share.rows.size(); ++i) {
        const std::size_t row = share.rows[i];
        if (!share.folders[i].empty()) {
            main.rows.setPlace(row, placeIn(share.folders[i], main.rows.at(row)));
        }
        main.rows.setAnsweredPerLink(row, answers);
        const AddingRow& shown = main.rows.at(row);
        rows_.append(shown.url, shown.place, shown.source);
        rows_.setNaming(i, shown.place, shown.givenName, shown.referrer);
    }
    rows_.setAddedHook({});
    if (LedgerKeeper* ledger = main.ledger) {
        rows_.setAddedHook([ledger, name = target_.kind->name](const AddingRow& row) {
            ledger->record(name, row.url);
        });
    }
    context_.emplace(AddingPassContext{rows_, *this, settings_, main.prompts, main.windowThread,
                                       main.userStore, main.machineStore});
    context_->calls = main.calls;
}

void RouteLeg::setProgressRange(int) {
    main_->window.setProgressRange(static_cast<int>(mainRows_->count()) - 1);
}

void RouteLeg::setProgressPosition(int position) {
    main_->window.setProgressPosition(static_cast<int>(before_) + position);
}

void RouteLeg::rowChanged(std::size_t row) {
    if (!mainRows_ || mainRows_->generation() != mainGeneration_ || row >= rowsOfMain_.size()) {
        return;
    }
    const AddingRow& own = rows_.at(row);
    const std::size_t shown = rowsOfMain_[row];
    const std::string name =
        target_.endpoint.empty() ? std::string(target_.kind->name) : target_.endpoint;
    mainRows_->setStatus(shown, name + ": " + own.status, own.picture);
    mainRows_->setOutcome(shown, own.outcome);
}

} // namespace harvex2::core
