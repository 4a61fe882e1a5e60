// The Adding window during a pass with RealiFast off: the window repaints after every row,
// so what a row costs must not grow with the number of rows. Reports the cost per row and
// how the last tenth of the rows compares with the first tenth, for the window's own part
// of a row and for whole rows written as Net Vampire jobs.
#include "NoPrompts.h"
#include "OffscreenBench.h"
#include "UnreachableTargets.h"
#include "platform/posix/FileRegistryStore.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/platform/QtWindowThread.h"
#include "ui/shell/AppServices.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

namespace fs = std::filesystem;
using namespace harvex2;
using Clock = std::chrono::steady_clock;

// Lets the window repaint, and notes the time when the first and the last tenth of the
// rows begin and end: the pass calls it once after every row.
class TenthsPump {
public:
    explicit TenthsPump(std::int64_t rows) : tenth_(rows / 10), last_(rows - rows / 10) {}

    void processEvents() {
        ++row_;
        if (row_ == tenth_) {
            first += Clock::now() - mark_;
        } else if (row_ == last_) {
            mark_ = Clock::now();
        }
        QCoreApplication::processEvents();
    }
    void start() {
        row_ = 0;
        mark_ = Clock::now();
    }
    void stop() { lastTenth += Clock::now() - mark_; }

    Clock::duration first{};
    Clock::duration lastTenth{};

private:
    std::int64_t tenth_;
    std::int64_t last_;
    std::int64_t row_ = 0;
    Clock::time_point mark_;
};

// An Adding window on screen with its rows, and a Net Vampire installed in a folder of
// its own.
struct Bench {
    explicit Bench(std::int64_t rows) : events(rows) {
        const std::string program = folder.path().toStdString() + "/nv";
        for (const char* sub : {"Jobs", "State", "Sites", "Partial"}) {
            fs::create_directories(program + "/Data/" + sub);
        }
        std::ofstream(program + "/vampire.exe") << "";
        machineStore.openKey(
            "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Vampire.exe", true);
        machineStore.writeString("Path", program);
        machineStore.closeKey();
        services.settings = &settings;
        services.prompts = &prompts;
        services.userStore = &userStore;
        services.machineStore = &machineStore;
        services.windowThread = &windowThread;
        services.dde = &targets;
        services.automation = &targets;
        window = std::make_unique<ui::AddingWindow>(services, std::chrono::milliseconds(1));
        for (std::int64_t i = 0; i < rows; ++i) {
            window->rows().append(
                "http://www.example.com/files/archive-" + std::to_string(i) + ".zip",
                {"/home/user/Downloads/", "archive-" + std::to_string(i) + ".zip"},
                core::RowSource{static_cast<std::size_t>(i)});
        }
        window->show();
        QCoreApplication::processEvents();
    }

    QTemporaryDir folder;
    platform::FileRegistryStore userStore{
        platform::Hive::CurrentUser, folder.filePath(QStringLiteral("user.reg")).toStdString()};
    platform::FileRegistryStore machineStore{
        platform::Hive::LocalMachine, folder.filePath(QStringLiteral("machine.reg")).toStdString()};
    core::SettingsRecord settings;
    bench::NoPrompts prompts;
    TenthsPump events;
    bench::UnreachableTargets targets;
    ui::QtWindowThread windowThread;
    ui::AppServices services;
    std::unique_ptr<ui::AddingWindow> window;
};

void report(benchmark::State& state, const TenthsPump& events) {
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["last_to_first_tenth"] =
        std::chrono::duration<double>(events.lastTenth).count() /
        std::chrono::duration<double>(events.first).count();
}

// What a pass does to the window for each row, without the files.
void windowPartOfRows(benchmark::State& state) {
    Bench bench(state.range(0));
    core::AddingWindowPort& port = *bench.window;
    for (auto _ : state) {
        bench.events.start();
        for (std::size_t r = 0; r < bench.window->rows().count(); ++r) {
            port.scrollToRow(r);
            bench.window->rows().setStatus(r, "Adding", core::RowPicture::Adding);
            bench.window->rows().setStatus(r, "A0000000", core::RowPicture::Added);
            port.setProgressPosition(static_cast<int>(r));
            bench.events.processEvents();
        }
        bench.events.stop();
    }
    report(state, bench.events);
}
BENCHMARK(windowPartOfRows)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Whole rows: the window's pass writing every row as a Net Vampire job, the window served
// by its own loop between slices.
void jobFilePass(benchmark::State& state) {
    Bench bench(state.range(0));
    for (auto _ : state) {
        QEventLoop loop;
        bench.window->open([&loop] { loop.quit(); });
        loop.exec();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(jobFilePass)->Arg(1'000)->Arg(10'000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return harvex2::bench::runOffscreenBenchmarks(argc, argv);
}
