#pragma once

#include <string_view>

namespace harvex2::core {

// Where the URLs of a run go, one at a time. A sink may hold URLs back and pass them on
// in batches; flush() passes on everything held so far.
class SequenceSink {
public:
    virtual ~SequenceSink() = default;
    virtual void append(std::string_view url) = 0;
    virtual void flush() {}
};

} // namespace harvex2::core
