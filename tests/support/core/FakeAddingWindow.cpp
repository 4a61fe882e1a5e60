#include "support/core/FakeAddingWindow.h"

namespace harvex2::test {

void FakeAddingWindow::run() {
    ++runs;
    if (pass) {
        pass(rows_);
    }
}

} // namespace harvex2::test
