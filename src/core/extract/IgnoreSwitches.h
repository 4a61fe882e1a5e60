#pragma once

#include <string_view>

namespace harvex2::core {

// The ignore rules of the extractor. They are asked for each value as it is tested, so a
// change made while a long file is being scanned applies from the next value on. The quick
// scanner follows the first three; the full reader all four.
class IgnoreSwitches {
public:
    virtual ~IgnoreSwitches() = default;
    virtual bool ignoreMailTo() const = 0;
    virtual bool ignoreBookmarks() const = 0;
    virtual bool qLinks() const = 0;
    // Links that run a script or hold their content (javascript:, vbscript:, data:).
    virtual bool ignoreScriptLinks() const { return true; }

    // Whether one of the first three rules leaves `value` out: the rules both readers share.
    bool leavesOut(std::string_view value) const {
        return (ignoreMailTo() && value.find("mailto:") != std::string_view::npos) ||
               (ignoreBookmarks() && value.find('#') != std::string_view::npos) ||
               (qLinks() && value.find('?') != std::string_view::npos);
    }
};

} // namespace harvex2::core
