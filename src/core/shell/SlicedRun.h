#pragma once

#include <functional>
#include <memory>

namespace harvex2::core {

// Long work that advances in short slices, so that the window's event loop serves its
// events between them and nothing has to re-enter that loop from inside the work. A slice
// should do a bounded amount of work (a few milliseconds at most); the driver decides how
// many slices fit in one turn of the loop. A run reports what it does through its own
// observer; failures are reported there too, not thrown out of advance().
class SlicedRun {
public:
    virtual ~SlicedRun() = default;
    // Does one slice. False once the run has ended; it is not advanced again after that.
    virtual bool advance() = 0;
    // Asks the run to end at the next slice, as a Cancel button or closing the window does.
    // The run still reports its end through its observer.
    virtual void cancel() = 0;
};

// Drives a run to its end and then calls `finished`: the window's event loop in the
// program, a loop of its own in a test.
using RunStarter =
    std::function<void(std::unique_ptr<SlicedRun> run, std::function<void()> finished)>;

// A starter for work no window waits on: the run is done before it returns.
void runAtOnce(std::unique_ptr<SlicedRun> run, std::function<void()> finished);

} // namespace harvex2::core
