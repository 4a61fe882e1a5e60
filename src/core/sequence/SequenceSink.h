#pragma once

#include <cstddef>
#include <string_view>

namespace harvex2::core {

// Where the URLs of a run go, one at a time. A sink may hold URLs back and pass them on
// in batches.
class SequenceSink {
public:
    virtual ~SequenceSink() = default;
    virtual void append(std::string_view url) = 0;
    // Called now and then during a run: the sink may pass on what it holds.
    virtual void flush() {}
    // Called at the end of a run: everything held must be passed on.
    virtual void finish() { flush(); }

protected:
    // A view lays out all its rows again for every batch it is told of, so batches grow
    // with the rows already shown: the whole run then costs the same per URL.
    static bool worthPassingOn(std::size_t held, std::size_t shown) {
        return held > 0 && held * 4 >= shown;
    }
};

} // namespace harvex2::core
