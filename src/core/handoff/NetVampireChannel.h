#pragma once

#include "core/handoff/AddingPassContext.h"
#include "core/handoff/NetVampireContract.h"

namespace harvex2::core {

// One way of handing the rows to Net Vampire once the pass has found it. A failure the
// channel cannot handle throws; a refused row clears the context's all-ok flag.
class NetVampireChannel {
public:
    virtual ~NetVampireChannel() = default;
    virtual void run(AddingPassContext& context, const NetVampireLocation& location) = 0;
};

} // namespace harvex2::core
