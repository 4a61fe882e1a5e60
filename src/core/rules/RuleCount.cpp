#include "core/rules/RuleCount.h"

#include "core/rules/RuleApplication.h"

#include <algorithm>

namespace harvex2::core {

RuleCount::RuleCount(const LinkList& links, std::shared_ptr<const RuleSet> rules, std::string base,
                     const SentLookup* sent, std::function<void(std::size_t)> counted)
    : links_(links), rules_(std::move(rules)), base_(std::move(base)), sent_(sent),
      counted_(std::move(counted)) {}

bool RuleCount::advance() {
    if (cancelled_) {
        return false;
    }
    const RuleContext context{base_, sent_};
    const std::size_t end = std::min(links_.count(), next_ + kSliceEntries);
    for (; next_ < end; ++next_) {
        selected_ +=
            checkedAfter(*rules_, context, links_.textAt(next_), links_.checkedAt(next_)) ? 1U : 0U;
    }
    if (next_ < links_.count()) {
        return true;
    }
    counted_(selected_);
    return false;
}

} // namespace harvex2::core
