#include "support/core/FakeEventPump.h"

#include <utility>

namespace harvex2::test {

void FakeEventPump::processEvents() {
    ++calls;
    if (onNext) {
        std::exchange(onNext, nullptr)();
    }
    if (onProcess) {
        onProcess();
    }
}

} // namespace harvex2::test
