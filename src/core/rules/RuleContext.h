#pragma once

#include <string_view>

namespace harvex2::core {

class SentLookup;

// What rules see besides the link: the Base URL that relative entries are resolved
// against (empty: none), and what was sent before, when the program keeps that.
struct RuleContext {
    std::string_view base;
    const SentLookup* sent = nullptr;
};

} // namespace harvex2::core
