#pragma once

#include "core/rules/RuleSet.h"
#include "core/shell/LinkList.h"
#include "core/shell/SlicedRun.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace harvex2::core {

// Counts the entries that applying the rules would leave checked, without changing the
// list, a slice of entries at a time so that a long list never holds the window.
class RuleCount : public SlicedRun {
public:
    static constexpr std::size_t kSliceEntries = 2048;

    // `counted` hears the count once the last entry is done; a cancelled run never calls it.
    // `sent`, when given, must outlive the run.
    RuleCount(const LinkList& links, std::shared_ptr<const RuleSet> rules, std::string base,
              const SentLookup* sent, std::function<void(std::size_t selected)> counted);

    bool advance() override;
    void cancel() override { cancelled_ = true; }

private:
    const LinkList& links_;
    std::shared_ptr<const RuleSet> rules_;
    std::string base_;
    const SentLookup* sent_;
    std::function<void(std::size_t)> counted_;
    std::size_t next_ = 0;
    std::size_t selected_ = 0;
    bool cancelled_ = false;
};

} // namespace harvex2::core
