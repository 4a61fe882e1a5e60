#pragma once

namespace harvex2::platform {

// Ends a wait on a socket from another thread: the waiter polls the pipe's read end beside
// its socket, and wake() makes it readable for good.
class WakePipe {
public:
    WakePipe();
    ~WakePipe();
    WakePipe(const WakePipe&) = delete;
    WakePipe& operator=(const WakePipe&) = delete;

    // Safe from any thread and from a signal handler.
    void wake() const;
    // The end to poll for reading; -1 when the pipe could not be made, and then nothing wakes.
    int fd() const { return ends_[0]; }

private:
    int ends_[2] = {-1, -1};
};

} // namespace harvex2::platform
