#include "support/core/PassRun.h"

#include "core/handoff/PassCalls.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace harvex2::test {

namespace {

void runAlone(core::AddingPassContext& context, LoopWindowThread& windowThread,
              const std::function<void()>& start) {
    bool ended = false;
    std::optional<std::string> failure;
    core::PassCalls calls(windowThread,
                          [&failure](const std::exception& thrown) { failure = thrown.what(); });
    context.calls = &calls;
    context.finished = [&ended] { ended = true; };
    start();
    const bool finished = windowThread.runUntil([&] { return ended || failure; });
    context.calls = nullptr;
    if (!finished) {
        throw std::runtime_error("the pass hangs");
    }
    if (failure) {
        throw core::HandoffError(*failure);
    }
}

} // namespace

void runToEnd(core::AddingPass& pass, const core::AddingPassContext& context,
              LoopWindowThread& windowThread) {
    bool ended = false;
    pass.start(context, [&ended] { ended = true; });
    if (!windowThread.runUntil([&ended] { return ended; })) {
        throw std::runtime_error("the pass hangs");
    }
}

void runToEnd(core::TargetPass& pass, core::AddingPassContext& context,
              LoopWindowThread& windowThread) {
    runAlone(context, windowThread, [&] { pass.start(context); });
}

void runToEnd(core::NetVampireChannel& channel, core::AddingPassContext& context,
              const core::NetVampireLocation& location, LoopWindowThread& windowThread) {
    runAlone(context, windowThread,
             [&] { channel.start(context, location, [&context] { context.finished(); }); });
}

} // namespace harvex2::test
