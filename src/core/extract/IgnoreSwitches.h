#pragma once

namespace harvex2::core {

// The three ignore rules of the extractor. They are asked for each value as it is tested,
// so a change made while a long file is being scanned applies from the next value on.
class IgnoreSwitches {
public:
    virtual ~IgnoreSwitches() = default;
    virtual bool ignoreMailTo() const = 0;
    virtual bool ignoreBookmarks() const = 0;
    virtual bool qLinks() const = 0;
};

} // namespace harvex2::core
