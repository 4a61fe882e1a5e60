#pragma once

#include "core/shell/LinkList.h"

#include <string>
#include <string_view>

namespace harvex2::core {

// Checks link list entries by their extension or by a text they contain. Case is ignored
// for the letters a to z only, so bytes of other scripts must match exactly.
struct SelectRule {
    enum class Match { Extension, Text };

    bool deselectFirst = true;
    Match match = Match::Extension;
    std::string extension; // as normaliseExtension leaves it
    std::string text;
};

// What the user typed as an extension, made comparable: anything up to the first "*" goes
// (a typed wildcard such as *.jpg), and a missing leading "." is added.
std::string normaliseExtension(std::string_view typed);

// From the last "." to the end, unless a "\" or ":" follows that "." (then the dot belongs
// to a folder or a scheme and there is no extension). "/" and "?" are ordinary, so a query
// or a later path segment stays part of it.
std::string_view extensionOf(std::string_view text);

// One pass over the list with one notification of its observer, however many entries change.
void applySelectRule(LinkList& links, const SelectRule& rule);

} // namespace harvex2::core
