// The recovery file beside the list it keeps. Appends: entries one at a time, with the undo
// history on, and with the file brought up to date every 100,000 appends as a fast parse
// would see it every few seconds; the bare list is the baseline, and the last tenth against
// the first tells whether the cost stays flat at ten million entries. Compaction: the
// whole list written in slices from the event loop while a 10 ms heartbeat timer runs; the
// longest gap between two beats is what the window would have felt.
#include "OffscreenBench.h"
#include "core/shell/LinkList.h"
#include "core/shell/RecoveryJournal.h"
#include "ui/platform/RunDriver.h"

#include <ctime>
#include <filesystem>
#include <string>
#include <unistd.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using harvex2::core::LinkList;
using harvex2::core::RecoveryJournal;
using harvex2::core::UndoHistory;

constexpr std::int64_t kSaveEvery = 100'000;

std::string linkText(std::int64_t i) {
    return "http://www.example.com/files/archive-" + std::to_string(i) + ".zip";
}

double processorSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

struct BenchFolder {
    BenchFolder()
        : path(std::filesystem::temp_directory_path() /
               ("harvex2-recovery-bench-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

enum class Kept { Bare, WithUndo, WithUndoAndFile };

void appendEntries(benchmark::State& state, Kept kept) {
    const std::int64_t total = state.range(0);
    const std::int64_t tenth = total / 10;
    double firstTenth = 0;
    double lastTenth = 0;
    double saving = 0;
    for (auto _ : state) {
        BenchFolder folder;
        LinkList links;
        UndoHistory history;
        if (kept != Kept::Bare) {
            links.setHistory(&history);
        }
        RecoveryJournal journal(folder.path.string());
        double mark = processorSeconds();
        for (std::int64_t i = 0; i < total; ++i) {
            if (i == tenth) {
                firstTenth += processorSeconds() - mark;
            }
            if (i == total - tenth) {
                mark = processorSeconds();
            }
            links.append(linkText(i));
            if (kept == Kept::WithUndoAndFile && (i + 1) % kSaveEvery == 0) {
                const double start = processorSeconds();
                journal.saveNow(links);
                saving += processorSeconds() - start;
            }
        }
        lastTenth += processorSeconds() - mark;
    }
    state.SetItemsProcessed(state.iterations() * total);
    state.counters["last_to_first_tenth"] = lastTenth / firstTenth;
    state.counters["file_ns_per_entry"] =
        saving * 1e9 / static_cast<double>(state.iterations() * total);
}

void appendToBareList(benchmark::State& state) {
    appendEntries(state, Kept::Bare);
}
BENCHMARK(appendToBareList)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

void appendWithUndo(benchmark::State& state) {
    appendEntries(state, Kept::WithUndo);
}
BENCHMARK(appendWithUndo)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

void appendWithUndoAndRecoveryFile(benchmark::State& state) {
    appendEntries(state, Kept::WithUndoAndFile);
}
BENCHMARK(appendWithUndoAndRecoveryFile)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

// The same heartbeat with nothing else to do for as long as a compaction takes: on a busy
// machine the longest gap is the scheduler's, and the compaction adds to it.
void heartbeatAlone(benchmark::State& state) {
    qint64 longestGap = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QTimer heartbeat;
        heartbeat.setInterval(10);
        QElapsedTimer sinceBeat;
        QObject::connect(&heartbeat, &QTimer::timeout,
                         [&] { longestGap = std::max(longestGap, sinceBeat.restart()); });
        heartbeat.start();
        sinceBeat.start();
        QTimer::singleShot(state.range(0), &loop, &QEventLoop::quit);
        loop.exec();
    }
    state.counters["longest_heartbeat_gap_ms"] = static_cast<double>(longestGap);
}
BENCHMARK(heartbeatAlone)->Arg(4000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// Wall time here: the gap is what a user would see, whatever else the machine does.
void compactionWithHeartbeat(benchmark::State& state) {
    const std::int64_t total = state.range(0);
    LinkList links;
    for (std::int64_t i = 0; i < total; i += 4096) {
        std::vector<std::string> batch;
        for (std::int64_t j = i; j < std::min(total, i + 4096); ++j) {
            batch.push_back(linkText(j));
        }
        links.appendAll(std::move(batch));
    }
    qint64 longestGap = 0;
    for (auto _ : state) {
        BenchFolder folder;
        RecoveryJournal journal(folder.path.string());
        harvex2::ui::RunDriver driver;
        QEventLoop loop;
        QTimer heartbeat;
        heartbeat.setInterval(10);
        QElapsedTimer sinceBeat;
        QObject::connect(&heartbeat, &QTimer::timeout,
                         [&] { longestGap = std::max(longestGap, sinceBeat.restart()); });
        heartbeat.start();
        sinceBeat.start();
        driver.start(journal.save(links), [&] { loop.quit(); });
        loop.exec();
        longestGap = std::max(longestGap, sinceBeat.elapsed());
    }
    state.SetItemsProcessed(state.iterations() * total);
    state.counters["longest_heartbeat_gap_ms"] = static_cast<double>(longestGap);
}
BENCHMARK(compactionWithHeartbeat)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return harvex2::bench::runOffscreenBenchmarks(argc, argv);
}
