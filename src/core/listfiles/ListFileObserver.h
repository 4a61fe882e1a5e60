#pragma once

#include <cstddef>

namespace harvex2::platform {
class IoError;
}

namespace harvex2::core {

// What a run that reads or writes a file of the list tells its command as it goes.
class ListFileObserver {
public:
    virtual ~ListFileObserver() = default;
    // How many entries have been read or written so far.
    virtual void progressed(std::size_t entries) = 0;
    // The file could not be read or written; the run ends with this.
    virtual void failed(const platform::IoError& error) = 0;
};

} // namespace harvex2::core
