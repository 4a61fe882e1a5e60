#pragma once

#include "core/rules/RuleSet.h"

#include <optional>
#include <string_view>
#include <variant>

namespace harvex2::core {

// Reads one line of a rule text: a sign, then tests separated by blanks. A value holding
// blanks is written in double quotes, a quote inside them doubled; "re:" takes the rest of
// the line as its pattern.
class RuleParser {
public:
    // Takes the first line off `text`, without its LF or CR LF.
    static std::string_view takeLine(std::string_view& text);
    // Nothing for a blank line or a comment.
    static std::variant<std::optional<RuleSet::Line>, RuleError> parseLine(std::string_view line,
                                                                           std::size_t number);

private:
    RuleParser(std::string_view line, std::size_t number) : line_(line), number_(number) {}

    std::optional<RuleSet::Line> parse();
    void skipBlanks();
    RuleTest parseTest();
    RuleTest::Kind parsePrefix(bool& ignoreCase);
    std::string parseValue();
    std::vector<std::string> splitList(const std::string& value, std::size_t valueStart) const;
    RuleTest compileExpression(std::string_view pattern, bool ignoreCase) const;
    [[noreturn]] void fail(std::size_t at, std::string reason) const;

    std::string_view line_;
    std::size_t number_;
    std::size_t pos_ = 0;
};

} // namespace harvex2::core
