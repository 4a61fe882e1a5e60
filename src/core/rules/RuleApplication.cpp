#include "core/rules/RuleApplication.h"

namespace harvex2::core {

bool checkedAfter(const RuleSet& rules, const RuleContext& context, std::string_view text,
                  bool checked) {
    const std::size_t line = rules.decide(text, context);
    return line == RuleSet::kUndecided ? checked : rules.lines()[line].select;
}

void applyRules(LinkList& links, const RuleSet& rules, const RuleContext& context) {
    links.recheck([&](const LinkList::Entry& entry) {
        return checkedAfter(rules, context, entry.text, entry.checked);
    });
}

std::string explainDecision(const RuleSet& rules, std::size_t decided) {
    if (decided == RuleSet::kUndecided) {
        return "No line holds: the link keeps its check state.";
    }
    const RuleSet::Line& line = rules.lines()[decided];
    return "Line " + std::to_string(line.number) + " decides: " + line.text;
}

} // namespace harvex2::core
