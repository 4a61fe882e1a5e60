#pragma once

#include <string>
#include <sys/types.h>

namespace harvex2::test {

// A virtual X display of the test's own, on a display number the X server picks itself, so
// that parallel runs never meet. Stopped when destroyed.
class XvfbDisplay {
public:
    XvfbDisplay();
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    // ":N", or empty when no X server could be started.
    const std::string& name() const { return name_; }

private:
    pid_t pid_ = -1;
    std::string name_;
};

} // namespace harvex2::test
