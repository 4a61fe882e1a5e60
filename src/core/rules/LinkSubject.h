#pragma once

#include "core/rules/RuleContext.h"
#include "core/shell/LinkParts.h"

#include <optional>
#include <string>
#include <string_view>

namespace harvex2::core {

// One link as the tests of a rule set see it. The parts a test needs are worked out on
// first use and kept, so a link is resolved at most once however many lines ask.
class LinkSubject {
public:
    LinkSubject(std::string_view text, const RuleContext& context);

    std::string_view text() const { return text_; }
    const RuleContext& context() const { return context_; }
    // The last segment of the entry's own path, its query and fragment left out.
    std::string_view fileName();
    // The link resolved against the base; nullptr for a relative entry without a base.
    const LinkParts* resolvedParts();
    // The link as it leaves the program.
    std::string_view resolved();

private:
    void resolve();

    std::string_view text_;
    const RuleContext& context_;
    std::optional<std::string_view> fileName_;
    bool resolvedDone_ = false;
    std::string joined_; // the base and a relative entry
    std::string_view resolved_;
    std::optional<LinkParts> parts_;
};

} // namespace harvex2::core
