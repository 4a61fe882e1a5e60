#pragma once

#include "core/extract/HtmlBytes.h"

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
    // `held` is html::heldIn(value): most links hold none of the bytes the rules look for,
    // and need no search of their own.
    bool leavesOut(std::string_view value, unsigned held) const {
        return ((held & html::kColon) != 0 && ignoreMailTo() &&
                value.find("mailto:") != std::string_view::npos) ||
               ((held & html::kHash) != 0 && ignoreBookmarks()) ||
               ((held & html::kQuestion) != 0 && qLinks());
    }
};

} // namespace harvex2::core
