// What the running program keeps in memory for its links: the main window, offscreen, with
// its list, view, undo history and recovery file, filled with links of about 50 bytes in
// batches as a parse hands them over, the event loop served between batches. Reports the
// resident memory beyond the same window empty, per link and in all. Freed memory the
// allocator keeps would blur a second figure in the same process: run one size at a time
// (--benchmark_filter=/10000000).
#include "NoPrompts.h"
#include "OffscreenBench.h"
#include "UnreachableTargets.h"
#include "core/shell/LinkList.h"
#include "platform/posix/FileRegistryStore.h"
#include "ui/platform/QtShell.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/ListRecovery.h"
#include "ui/shell/MainWindow.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;

constexpr std::size_t kBatch = 4096;

// Bytes the process has resident now.
double residentBytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

// 50 bytes for the first ten million.
std::string linkText(std::size_t i) {
    std::string number = std::to_string(i);
    return "http://www.example.com/files/" + std::string(8 - number.size(), '0') + number +
           "/archive.zip";
}

struct Program {
    Program() {
        services.prompts = &prompts;
        services.shell = &shell;
        services.userStore = &store;
        services.machineStore = &store;
        services.dde = &targets;
        services.automation = &targets;
        main = std::make_unique<ui::MainWindow>(services);
        recovery = new ui::ListRecovery(main->links(),
                                        folder.filePath(QStringLiteral("recovery")).toStdString(),
                                        main.get(), std::chrono::milliseconds(500));
        recovery->offerLeftBehind(prompts);
        main->show();
        QCoreApplication::processEvents();
    }

    QTemporaryDir folder;
    platform::FileRegistryStore store{platform::Hive::CurrentUser,
                                      folder.filePath(QStringLiteral("user.reg")).toStdString()};
    bench::NoPrompts prompts;
    ui::QtShell shell;
    bench::UnreachableTargets targets;
    ui::AppServices services;
    std::unique_ptr<ui::MainWindow> main;
    ui::ListRecovery* recovery = nullptr; // the window's child
};

// Serves the event loop for a while, so that the view, the undo history and the recovery
// file catch up with the list.
void serveLoop(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

void residentLinks(benchmark::State& state) {
    const auto total = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        Program program;
        serveLoop(200);
        const double empty = residentBytes();
        std::size_t textBytes = 0;
        for (std::size_t first = 0; first < total; first += kBatch) {
            std::vector<std::string> texts;
            for (std::size_t i = first; i < std::min(total, first + kBatch); ++i) {
                texts.push_back(linkText(i));
                textBytes += texts.back().size();
            }
            program.main->links().appendAll(std::move(texts), "http://www.example.com/");
            QCoreApplication::processEvents();
        }
        serveLoop(1500);
        const double filled = residentBytes();
        state.counters["resident_gb"] = (filled - empty) / 1e9;
        state.counters["bytes_per_link"] = (filled - empty) / static_cast<double>(total);
        state.counters["text_bytes_per_link"] =
            static_cast<double>(textBytes) / static_cast<double>(total);
    }
}
BENCHMARK(residentLinks)
    ->Arg(2'000'000)
    ->Arg(10'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return harvex2::bench::runOffscreenBenchmarks(argc, argv);
}
