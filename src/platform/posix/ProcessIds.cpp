#include "platform/posix/ProcessIds.h"

#include <cerrno>
#include <signal.h>
#include <unistd.h>

namespace harvex2::platform {

int currentProcessId() {
    return static_cast<int>(::getpid());
}

bool processRunning(int pid) {
    // Signal 0 only asks: EPERM still means someone's process has the id.
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace harvex2::platform
