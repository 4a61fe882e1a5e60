#include "OffscreenBench.h"

#include "BenchSupport.h"

#include <QApplication>

namespace harvex2::bench {

int runOffscreenBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The application takes its own options out of argv before the benchmark library reads it.
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}

} // namespace harvex2::bench
