#pragma once

#include "core/handoff/AddingRows.h"

#include <cstddef>
#include <functional>
#include <string>

namespace harvex2::core {

// The Adding window as the commands that fill it and the pass that empties it see it,
// with its Please-wait window.
class AddingWindowPort {
public:
    virtual ~AddingWindowPort() = default;
    virtual AddingRows& rows() = 0;
    // Shows the window, modal toward the main window, and arms the start timer; returns at
    // once. `closed`, when set, is called once the window has closed.
    virtual void open(std::function<void()> closed) = 0;
    void run() { open({}); }
    // Closes the window at once; a pass in progress is given up.
    virtual void closeNow() = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void scrollToRow(std::size_t row) = 0;
    virtual void setProgressRange(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
    // Takes effect when the pass has ended.
    virtual void requestClose(bool ok) = 0;
    virtual void setPleaseWaitStatus(const std::string& status) = 0;
    virtual void showPleaseWait() = 0;
    virtual void hidePleaseWait() = 0;
};

} // namespace harvex2::core
