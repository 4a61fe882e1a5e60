#include "core/handoff/AddingPass.h"

#include "core/handoff/PassSteps.h"
#include "core/handoff/TargetTable.h"
#include "core/ledger/LedgerKeeper.h"
#include "platform/Failure.h"

#include <utility>

namespace harvex2::core {

AddingPass::AddingPass(platform::RegistryStore& userStore, platform::RegistryStore& machineStore,
                       platform::DdeClient& dde, platform::Automation& automation,
                       platform::JsonRpcConnector& jsonRpc, platform::ProcessLauncher* launcher,
                       platform::StatusBar* statusBar)
    : jobManager_(userStore, machineStore),
      commands_(launcher, statusBar), services_{jobManager_, dde, automation, jsonRpc, commands_} {}

void AddingPass::start(const AddingPassContext& context, std::function<void()> ended) {
    abandon();
    ended_ = std::move(ended);
    context_.emplace(context);
    // Nothing to hand over is not a failure: the window just closes.
    if (context.rows.count() == 0) {
        context.window.requestClose(true);
        std::exchange(ended_, {})();
        return;
    }
    calls_ = std::make_unique<PassCalls>(context.windowThread,
                                         [this](const std::exception& failure) { fail(failure); });
    context_->calls = calls_.get();
    context_->finished = [this] { end(); };
    recordConfirmed(*context_);
    pass_ = passFor(context);
    current_ = pass_.get();
    try {
        current_->start(*context_);
    } catch (const std::exception& failure) {
        fail(failure);
    }
}

std::unique_ptr<TargetPass> AddingPass::passFor(const AddingPassContext& context) {
    if (context.presets && !context.settings.routesPreset.empty()) {
        return std::make_unique<RoutedPass>(services_, routeLegs_, *context.presets);
    }
    return TargetTable::forHandOff(context.settings.mode).makePass(services_, context.settings);
}

void AddingPass::abandon() {
    if (!running()) {
        return;
    }
    calls_->giveUp();
    current_->interrupt();
    AddingRows& rows = context_->rows;
    for (std::size_t row = 0; row < rows.count(); ++row) {
        if (rows.at(row).picture == RowPicture::Adding) {
            rows.setStatus(row, "Not confirmed", RowPicture::Fatal);
            rows.setOutcome(row, RowOutcome::Fatal);
        }
    }
    context_->window.hidePleaseWait();
    end();
}

void AddingPass::fail(const std::exception& failure) {
    if (!running()) {
        return;
    }
    calls_->giveUp();
    context_->window.hidePleaseWait();
    PassSteps::failRowsInProgress(*context_, failure.what());
    // The box may let the window close; the pass has ended by then.
    end();
    context_->prompts.reportThen({platform::FailureKind::General, failure.what()}, {});
}

void AddingPass::end() {
    if (!running()) {
        return;
    }
    calls_->giveUp();
    current_ = nullptr;
    if (auto ended = std::exchange(ended_, {})) {
        ended();
    }
}

void AddingPass::recordConfirmed(AddingPassContext& context) {
    if (!context.ledger) {
        context.rows.setAddedHook({});
        return;
    }
    context.rows.setAddedHook([ledger = context.ledger, target = targetName(context.settings)](
                                  const AddingRow& row) { ledger->record(target, row.url); });
}

std::string AddingPass::targetName(const SettingsRecord& settings) {
    return std::string(TargetTable::forHandOff(settings.mode).name);
}

} // namespace harvex2::core
