#include "support/core/FakeAddingWindow.h"

namespace harvex2::test {

void FakeAddingWindow::open(std::function<void()> closed) {
    ++runs;
    if (pass) {
        pass(rows_);
    }
    if (closed) {
        closed();
    }
}

} // namespace harvex2::test
