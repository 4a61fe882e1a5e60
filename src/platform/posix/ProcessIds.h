#pragma once

namespace harvex2::platform {

int currentProcessId();
// Whether a process with this id runs, whoever owns it; this process counts as running.
bool processRunning(int pid);

} // namespace harvex2::platform
