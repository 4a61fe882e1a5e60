#include "core/rules/RuleApplication.h"

namespace harvex2::core {

namespace {

bool checkedAfter(const RuleSet& rules, const RuleContext& context, std::string_view text,
                  bool checked) {
    const std::size_t line = rules.decide(text, context);
    return line == RuleSet::kUndecided ? checked : rules.lines()[line].select;
}

} // namespace

void applyRules(LinkList& links, const RuleSet& rules, const RuleContext& context) {
    links.recheck([&](const LinkList::Entry& entry) {
        return checkedAfter(rules, context, entry.text, entry.checked);
    });
}

std::size_t countSelectedAfter(const LinkList& links, const RuleSet& rules,
                               const RuleContext& context) {
    std::size_t selected = 0;
    for (std::size_t i = 0; i < links.count(); ++i) {
        selected += checkedAfter(rules, context, links.textAt(i), links.checkedAt(i)) ? 1U : 0U;
    }
    return selected;
}

std::string explainDecision(const RuleSet& rules, std::size_t decided) {
    if (decided == RuleSet::kUndecided) {
        return "No line holds: the link keeps its check state.";
    }
    const RuleSet::Line& line = rules.lines()[decided];
    return "Line " + std::to_string(line.number) + " decides: " + line.text;
}

} // namespace harvex2::core
