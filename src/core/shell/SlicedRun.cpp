#include "core/shell/SlicedRun.h"

namespace harvex2::core {

void runAtOnce(std::unique_ptr<SlicedRun> run, std::function<void()> finished) {
    while (run->advance()) {
    }
    // Gone before finished, as a driven run is, so finished may start the next one.
    run.reset();
    if (finished) {
        finished();
    }
}

} // namespace harvex2::core
