#pragma once

#include "core/handoff/AddingPass.h"
#include "core/handoff/NetVampireChannel.h"
#include "core/handoff/TargetPass.h"
#include "support/core/LoopWindowThread.h"

namespace harvex2::test {

// Runs a hand-off to its end as the Adding window does, serving the window's thread
// meanwhile. A failure a lone pass or channel does not handle is thrown again as a
// HandoffError with its text, as AddingPass would show it. A pass that stops advancing
// throws std::runtime_error.
void runToEnd(core::AddingPass& pass, const core::AddingPassContext& context,
              LoopWindowThread& windowThread);
void runToEnd(core::TargetPass& pass, core::AddingPassContext& context,
              LoopWindowThread& windowThread);
void runToEnd(core::NetVampireChannel& channel, core::AddingPassContext& context,
              const core::NetVampireLocation& location, LoopWindowThread& windowThread);

} // namespace harvex2::test
