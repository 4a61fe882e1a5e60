#include "core/shell/SelectRule.h"

#include "platform/AsciiText.h"

#include <algorithm>

namespace harvex2::core {

namespace {

bool sameUpper(char textChar, char upperChar) {
    return platform::AsciiText::upper(textChar) == upperChar;
}

// Compares without copying each entry: a million entries are matched in one pass.
bool equalsUpper(std::string_view text, std::string_view upper) {
    return std::ranges::equal(text, upper, sameUpper);
}

bool containsUpper(std::string_view text, std::string_view upper) {
    return !std::ranges::search(text, upper, sameUpper).empty();
}

} // namespace

std::string normaliseExtension(std::string_view typed) {
    if (const auto star = typed.find('*'); star != std::string_view::npos) {
        typed.remove_prefix(star + 1);
    }
    if (typed.empty()) {
        return {};
    }
    std::string extension;
    if (typed.front() != '.') {
        extension = ".";
    }
    extension += typed;
    return extension;
}

std::string_view extensionOf(std::string_view text) {
    const auto dot = text.rfind('.');
    if (dot == std::string_view::npos || text.find_first_of("\\:", dot) != std::string_view::npos) {
        return {};
    }
    return text.substr(dot);
}

void applySelectRule(LinkList& links, const SelectRule& rule) {
    const bool byExtension = rule.match == SelectRule::Match::Extension;
    const std::string wanted = platform::AsciiText::upper(byExtension ? rule.extension : rule.text);
    links.recheck([&](const LinkList::Entry& entry) {
        const bool matches = byExtension ? equalsUpper(extensionOf(entry.text), wanted)
                                         : !wanted.empty() && containsUpper(entry.text, wanted);
        return matches || (entry.checked && !rule.deselectFirst);
    });
}

} // namespace harvex2::core
