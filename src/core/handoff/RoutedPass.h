#pragma once

#include "core/handoff/RouteLeg.h"
#include "core/handoff/TargetPass.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace harvex2::core {

class RulePresets;

// An Add whose links the routes preset of the settings shares among targets: one pass per
// target, one after another in table order, each over its own rows. The window closes at
// the end when every pass would have closed it. Routes that cannot be read or name no
// target are told before anything is handed over.
class RoutedPass : public TargetPass {
public:
    // The legs outlive the pass: the programs of the command target report to them later.
    using Legs = std::vector<std::unique_ptr<RouteLeg>>;

    RoutedPass(TargetServices& services, Legs& legs, const RulePresets& presets)
        : services_(services), legs_(legs), presets_(presets) {}

    void start(AddingPassContext& context) override;
    void interrupt() override;

private:
    RouteLeg& legFor(const NamedTarget& target);
    void startLeg(std::size_t leg);
    void legEnded(std::size_t leg);
    void refuse(const std::string& message);

    TargetServices& services_;
    Legs& legs_;
    const RulePresets& presets_;
    AddingPassContext* context_ = nullptr;
    std::vector<RouteLeg*> running_;
    // Each kept to the end: a call given up may still be on its way back to it.
    std::vector<std::unique_ptr<TargetPass>> passes_;
};

} // namespace harvex2::core
