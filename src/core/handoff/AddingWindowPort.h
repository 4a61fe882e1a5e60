#pragma once

#include <cstddef>
#include <string>

namespace harvex2::core {

// What a hand-off pass may do to the Adding window and its Please-wait window.
class AddingWindowPort {
public:
    virtual ~AddingWindowPort() = default;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void scrollToRow(std::size_t row) = 0;
    virtual void setProgressRange(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
    // Takes effect when the pass has returned control to the window.
    virtual void requestClose(bool ok) = 0;
    virtual void setPleaseWaitStatus(const std::string& status) = 0;
    virtual void showPleaseWait() = 0;
    virtual void hidePleaseWait() = 0;
};

} // namespace harvex2::core
