#pragma once

#include "core/handoff/TargetPass.h"

#include <string>

namespace harvex2::platform {
class Automation;
}

namespace harvex2::core {

// The pass for ReGet (the program's AddToRG): every row's URL goes to ReGet's automation
// object, one call of its method "Add" per link. The download directory is not passed on.
class ReGetPass : public TargetPass {
public:
    static constexpr const char* kProgId = "ReGet.UrlList.1";

    explicit ReGetPass(platform::Automation& automation) : automation_(automation) {}

    void run(AddingPassContext& context) override;

    // The text ReGet is given for one link.
    static std::string callText(const std::string& url);

private:
    platform::Automation& automation_;
};

} // namespace harvex2::core
