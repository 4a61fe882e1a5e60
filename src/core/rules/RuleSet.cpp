#include "core/rules/RuleSet.h"

#include "core/rules/LinkSubject.h"
#include "core/rules/RuleParser.h"

#include <algorithm>

namespace harvex2::core {

std::string RuleError::message() const {
    return "Line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + reason;
}

std::size_t RuleError::columnOf(std::string_view line, std::size_t at) {
    const auto head = line.substr(0, at);
    return 1 + static_cast<std::size_t>(std::ranges::count_if(
                   head, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::variant<RuleSet, RuleError> RuleSet::parse(std::string_view text) {
    RuleSet rules;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::string_view line = RuleParser::takeLine(text);
        ++number;
        auto parsed = RuleParser::parseLine(line, number);
        if (auto* error = std::get_if<RuleError>(&parsed)) {
            return std::move(*error);
        }
        if (auto& rule = std::get<std::optional<Line>>(parsed)) {
            rules.lines_.push_back(std::move(*rule));
        }
    }
    return rules;
}

// From the last line back: the first that holds is the one that decides.
std::size_t RuleSet::decide(std::string_view link, const RuleContext& context) const {
    LinkSubject subject(link, context);
    for (std::size_t i = lines_.size(); i-- > 0;) {
        const auto holds = [&](const RuleTest& test) { return test.holds(subject); };
        if (std::ranges::all_of(lines_[i].tests, holds)) {
            return i;
        }
    }
    return kUndecided;
}

} // namespace harvex2::core
