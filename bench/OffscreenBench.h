#pragma once

namespace harvex2::bench {

// Runs the registered benchmarks inside an application on the offscreen platform, unless
// QT_QPA_PLATFORM asks for another one; returns the exit status of the program.
int runOffscreenBenchmarks(int argc, char** argv);

} // namespace harvex2::bench
