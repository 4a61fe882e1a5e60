#pragma once

#include "core/handoff/TargetPass.h"

#include <cstddef>
#include <memory>
#include <string>

namespace harvex2::platform {
class Automation;
class AutomationObject;
} // namespace harvex2::platform

namespace harvex2::core {

// The pass for ReGet (the program's AddToRG): every row's URL goes to ReGet's automation
// object, one call of its method "Add" per link. The download directory is not passed on.
class ReGetPass : public TargetPass {
public:
    static constexpr const char* kProgId = "ReGet.UrlList.1";

    explicit ReGetPass(platform::Automation& automation) : automation_(automation) {}

    void start(AddingPassContext& context) override;
    void interrupt() override;

    // The text ReGet is given for one link.
    static std::string callText(const std::string& url);

private:
    using Object = std::shared_ptr<platform::AutomationObject>;

    void found(AddingPassContext& context, Object reGet);
    // Hands over the row, or closes the window after the last one.
    void addRow(AddingPassContext& context, std::size_t row);
    void added(AddingPassContext& context, std::size_t row);

    platform::Automation& automation_;
    // Shared with the call in flight, which may outlive the pass when it is given up.
    Object reGet_;
};

} // namespace harvex2::core
