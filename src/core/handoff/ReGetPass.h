#pragma once

#include "core/handoff/TargetPass.h"

namespace harvex2::core {

// The pass for ReGet, reached through its automation object "ReGet.UrlList.1". No
// automation server can be reached on this platform yet, so the pass ends the way it does
// when the object cannot be made.
class ReGetPass : public TargetPass {
public:
    void run(AddingPassContext& context) override;
};

} // namespace harvex2::core
