#pragma once

#include "core/rules/RuleContext.h"
#include "core/rules/RuleError.h"
#include "core/rules/RuleTest.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace harvex2::core {

// Ordered lines, each "+" (select) or "-" (leave out) with tests that must all hold. The
// last line whose tests hold decides a link.
class RuleSet {
public:
    struct Line {
        bool select = true;
        std::vector<RuleTest> tests;
        std::size_t number = 0; // in the text it was read from, from 1
        std::string text;       // as written
    };

    static constexpr std::size_t kUndecided = static_cast<std::size_t>(-1);

    // Blank lines and lines starting with "#" are skipped. Any other line that is not a
    // rule refuses the whole text.
    static std::variant<RuleSet, RuleError> parse(std::string_view text);

    const std::vector<Line>& lines() const { return lines_; }
    bool empty() const { return lines_.empty(); }
    // The index in lines() of the line that decides `link`, or kUndecided.
    std::size_t decide(std::string_view link, const RuleContext& context) const;
    // Where no line decides: every link starts selected when the first line leaves links
    // out, unselected when it selects them.
    bool startsSelected() const { return !lines_.empty() && !lines_.front().select; }

private:
    std::vector<Line> lines_;
};

} // namespace harvex2::core
