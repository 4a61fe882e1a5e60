#pragma once

#include <cstddef>
#include <string>

namespace harvex2::core {

// The command target's downloads since the last time none ran, told in one line for the
// status bar.
class CommandTally {
public:
    // Starts counting afresh when every earlier download has ended.
    void add(std::size_t count);
    void ended(const std::string& link, bool succeeded, const std::string& text);
    bool running() const { return ended_ < total_; }
    // "3 of 5 downloaded; 1 failed: LINK (TEXT)", naming the last failure.
    std::string summary() const;

private:
    std::size_t total_ = 0;
    std::size_t ended_ = 0;
    std::size_t failed_ = 0;
    std::string lastFailure_;
};

} // namespace harvex2::core
