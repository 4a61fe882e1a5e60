#pragma once

#include "core/handoff/AddingPassContext.h"
#include "core/handoff/NetVampireContract.h"

#include <functional>

namespace harvex2::core {

// One way of handing the rows to Net Vampire once the pass has found it. A failure the
// channel cannot handle throws; a refused row clears the context's all-ok flag. The channel
// calls `done` once it has handed over every row or ended the pass.
class NetVampireChannel {
public:
    virtual ~NetVampireChannel() = default;
    virtual void start(AddingPassContext& context, const NetVampireLocation& location,
                       std::function<void()> done) = 0;
    // The pass was given up: wakes the call in flight.
    virtual void interrupt() = 0;
};

} // namespace harvex2::core
