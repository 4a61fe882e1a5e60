#include "core/handoff/RoutedPass.h"

#include "core/handoff/Aria2Endpoints.h"
#include "core/handoff/PassCalls.h"
#include "core/handoff/PassSteps.h"
#include "core/handoff/TargetTable.h"
#include "core/ledger/LedgerKeeper.h"

#include <algorithm>

namespace harvex2::core {

void RoutedPass::start(AddingPassContext& context) {
    context_ = &context;
    context.allOk = true;
    // Each leg records what its own target took.
    context.rows.setAddedHook({});
    auto loaded = RouteTable::load(presets_, context.settings);
    if (auto* problem = std::get_if<std::string>(&loaded)) {
        refuse(*problem);
        return;
    }
    const TargetKind& kind = TargetTable::forHandOff(context.settings.mode);
    const NamedTarget chosen{&kind, kind.mode == TargetProgram::Aria2
                                        ? Aria2Endpoints::chosen(context.settings).name
                                        : ""};
    const RuleContext rules{{}, context.ledger ? &context.ledger->ledger() : nullptr};
    std::size_t before = 0;
    for (const RouteTable::Share& share :
         std::get<RouteTable>(loaded).split(context.rows, chosen, rules)) {
        RouteLeg& leg = legFor(share.target);
        leg.begin(context, share, before);
        before += share.rows.size();
        running_.push_back(&leg);
    }
    startLeg(0);
}

void RoutedPass::interrupt() {
    if (!passes_.empty()) {
        passes_.back()->interrupt();
    }
}

RouteLeg& RoutedPass::legFor(const NamedTarget& target) {
    const auto found = std::ranges::find_if(legs_, [&target](const auto& leg) {
        return leg->target().kind == target.kind && leg->target().endpoint == target.endpoint;
    });
    if (found != legs_.end()) {
        return **found;
    }
    return *legs_.emplace_back(std::make_unique<RouteLeg>(target));
}

void RoutedPass::startLeg(std::size_t leg) {
    RouteLeg& current = *running_[leg];
    current.context().finished = [this, leg] { legEnded(leg); };
    passes_.push_back(current.target().kind->makePass(services_, current.context().settings));
    passes_.back()->start(current.context());
}

void RoutedPass::legEnded(std::size_t leg) {
    const AddingPassContext& ended = running_[leg]->context();
    context_->allOk = context_->allOk && ended.allOk;
    context_->passEnded = context_->passEnded || ended.passEnded;
    if (leg + 1 < running_.size()) {
        context_->calls->yield([this, leg] { startLeg(leg + 1); });
        return;
    }
    if (std::ranges::all_of(running_, &RouteLeg::closeRequested)) {
        context_->window.requestClose(true);
    }
    PassSteps::finish(*context_);
}

void RoutedPass::refuse(const std::string& message) {
    PassSteps::reportThen(*context_, {platform::FailureKind::Stated, message}, [this] {
        context_->window.requestClose(true);
        PassSteps::finish(*context_);
    });
}

} // namespace harvex2::core
