#pragma once

#include "core/rules/RuleSet.h"
#include "core/shell/LinkList.h"

#include <cstddef>
#include <string>

namespace harvex2::core {

// Each entry a line decides takes that line's sign; the others keep their check state. One
// pass, one notification of the list's observer.
void applyRules(LinkList& links, const RuleSet& rules, const RuleContext& context);

// The check state applyRules gives an entry.
bool checkedAfter(const RuleSet& rules, const RuleContext& context, std::string_view text,
                  bool checked);

// Why a link is or is not picked: "Line 3 decides: + ext:jpg", or that no line holds.
std::string explainDecision(const RuleSet& rules, std::size_t decided);

} // namespace harvex2::core
