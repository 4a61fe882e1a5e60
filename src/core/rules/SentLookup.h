#pragma once

#include <string_view>

namespace harvex2::core {

// What the rule test "sent:" asks: was this link handed to a target before?
class SentLookup {
public:
    virtual ~SentLookup() = default;
    // `link` as it leaves the program (resolved against the base); an empty `target` asks
    // about every target.
    virtual bool wasSent(std::string_view link, std::string_view target) const = 0;
};

} // namespace harvex2::core
