#pragma once

#include "core/handoff/AddingPassContext.h"
#include "core/handoff/CommandDownloads.h"
#include "core/handoff/JobFileManager.h"
#include "core/handoff/PassCalls.h"
#include "core/handoff/RoutedPass.h"
#include "core/handoff/TargetKind.h"
#include "core/handoff/TargetPass.h"

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace harvex2::core {

// The Adding window's hand-off with every target it can reach; the window owns one and
// starts it when its start timer fires.
class AddingPass {
public:
    AddingPass(platform::RegistryStore& userStore, platform::RegistryStore& machineStore,
               platform::DdeClient& dde, platform::Automation& automation,
               platform::JsonRpcConnector& jsonRpc, platform::ProcessLauncher* launcher = nullptr,
               platform::StatusBar* statusBar = nullptr);

    // Hands every row to the target the settings name, or to those its routes name;
    // `ended` is called once the pass has
    // ended, perhaps before start() returns. A failure no pass handles is shown with its own
    // text, marks the row it stopped at failed and leaves the window open.
    void start(const AddingPassContext& context, std::function<void()> ended);
    bool running() const { return current_ != nullptr; }
    // Ends a running pass at once, as closing the window or the program does: the rows
    // whose call was in flight are "Not confirmed", the rest keep "Waiting".
    void abandon();

    JobFileManager& jobManager() { return jobManager_; }

    // The download manager the settings name, as the user knows it.
    static std::string targetName(const SettingsRecord& settings);

private:
    static void recordConfirmed(AddingPassContext& context);
    std::unique_ptr<TargetPass> passFor(const AddingPassContext& context);
    void fail(const std::exception& failure);
    void end();

    JobFileManager jobManager_;
    // Before the command programs, which report to their rows until they are gone.
    RoutedPass::Legs routeLegs_;
    CommandDownloads commands_;
    TargetServices services_;

    std::optional<AddingPassContext> context_;
    std::unique_ptr<PassCalls> calls_;
    // Kept after the pass has ended: a call given up may still be on its way back to it.
    std::unique_ptr<TargetPass> pass_;
    TargetPass* current_ = nullptr;
    std::function<void()> ended_;
};

} // namespace harvex2::core
