// The Add Sequential Files dialog's Test and Add over a typed range, against a plain loop
// formatting the same URLs. Reports the cost per URL and how the last tenth of a run
// compares with its first tenth, from samples taken at each turn of the event loop.
#include "NoPrompts.h"
#include "OffscreenBench.h"
#include "UnreachableTargets.h"
#include "core/shell/LinkList.h"
#include "platform/posix/FileRegistryStore.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/sequence/SequencePreviewModel.h"
#include "ui/sequence/SequentialDialog.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"

#include <chrono>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QProgressBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;
// Other programs share the machine: the tenths are timed by this thread's processor time,
// which they do not disturb.
struct ThreadClock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<ThreadClock>;
    static time_point now() {
        timespec spec{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &spec);
        return time_point(std::chrono::seconds(spec.tv_sec) +
                          std::chrono::nanoseconds(spec.tv_nsec));
    }
};
using Clock = ThreadClock;

const std::string kPrefix = "http://www.example.com/gallery/2024/img";
const std::string kSuffix = ".jpg";

// The turns of the event loop until the run has ended, with how many URLs were made by
// each.
struct Samples {
    std::function<std::size_t()> made;
    std::vector<std::pair<Clock::time_point, std::size_t>> samples;
};

// The Adding window with its rows and view, whose hand-off is not part of the measure.
class AddingWithoutHandOff : public ui::AddingWindow {
public:
    using ui::AddingWindow::AddingWindow;
    void run() override {}
};

struct Bench {
    Bench() {
        settings.acas = false;
        services.settings = &settings;
        services.links = &links;
        services.prompts = &prompts;
        services.userStore = &userStore;
        services.machineStore = &userStore;
        services.dde = &targets;
        services.automation = &targets;
        adding = std::make_unique<AddingWithoutHandOff>(services);
        dialog = std::make_unique<ui::SequentialDialog>(services, *adding);
        listView.setLinkModel(&listModel);
        listView.resize(330, 160);
        listView.show();
        dialog->show();
        QCoreApplication::processEvents();
        // With Start 0 and Step 1 the progress bar counts the URLs made; sinks may hold
        // some back.
        auto* progress = dialog->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
        events.made = [progress] { return static_cast<std::size_t>(progress->value()); };
    }

    void set(std::int64_t count, bool toAddingWindow) {
        core::SequenceFields fields;
        fields.url = kPrefix + "|" + kSuffix;
        // A directory would make the link list ask whether to copy it.
        fields.downloadDir = toAddingWindow ? "/home/user/Pictures" : "";
        fields.start = "0";
        fields.end = std::to_string(count - 1);
        fields.nv = toAddingWindow;
        dialog->setFields(fields);
    }

    QTemporaryDir folder;
    platform::FileRegistryStore userStore{
        platform::Hive::CurrentUser, folder.filePath(QStringLiteral("user.reg")).toStdString()};
    core::SettingsRecord settings;
    core::LinkList links;
    ui::LinkListModel listModel{links};
    ui::LinkListView listView;
    bench::NoPrompts prompts;
    Samples events;
    bench::UnreachableTargets targets;
    ui::AppServices services;
    std::unique_ptr<AddingWithoutHandOff> adding;
    std::unique_ptr<ui::SequentialDialog> dialog;
};

// Seconds per URL from the start to the first sample past a tenth, and from the last
// sample before the final tenth to the end.
double lastToFirstTenth(const Samples& events, Clock::time_point start, Clock::time_point end,
                        std::size_t total) {
    double first = 0;
    double last = 0;
    for (const auto& [when, made] : events.samples) {
        if (first == 0 && made >= total / 10) {
            first = std::chrono::duration<double>(when - start).count() / static_cast<double>(made);
        }
        if (made <= total - total / 10 && made < total) {
            last = std::chrono::duration<double>(end - when).count() /
                   static_cast<double>(total - made);
        }
    }
    return first > 0 ? last / first : 0;
}

void measure(benchmark::State& state, Bench& bench, const std::function<void()>& run) {
    const auto total = static_cast<std::size_t>(state.range(0));
    double ratios = 0;
    for (auto _ : state) {
        bench.events.samples.clear();
        const auto start = Clock::now();
        run();
        while (bench.dialog->running()) {
            bench.events.samples.emplace_back(Clock::now(), bench.events.made());
            QCoreApplication::processEvents();
        }
        ratios += lastToFirstTenth(bench.events, start, Clock::now(), total);
        state.PauseTiming();
        bench.links.clear();
        bench.adding->rows().clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["last_to_first_tenth"] = ratios / static_cast<double>(state.iterations());
    state.counters["samples"] = static_cast<double>(bench.events.samples.size());
}

void dialogTest(benchmark::State& state) {
    Bench bench;
    bench.set(state.range(0), true);
    measure(state, bench, [&bench] { bench.dialog->onTestClicked(); });
}

void dialogAddToAddingWindow(benchmark::State& state) {
    Bench bench;
    bench.set(state.range(0), true);
    measure(state, bench, [&bench] { bench.dialog->onAddClicked(); });
}

void dialogAddToLinkList(benchmark::State& state) {
    Bench bench;
    bench.set(state.range(0), false);
    measure(state, bench, [&bench] { bench.dialog->onAddClicked(); });
}

// The baseline: the same URLs formatted one after another and thrown away.
void plainLoop(benchmark::State& state) {
    for (auto _ : state) {
        for (std::int64_t n = 0; n < state.range(0); ++n) {
            std::string url = kPrefix + std::to_string(n) + kSuffix;
            benchmark::DoNotOptimize(url.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void registerAll() {
    for (const std::int64_t count : {32'768, 1'000'000}) {
        const int iterations = count < 100'000 ? 10 : 2;
        for (const auto& [name, run] :
             {std::pair{"dialogTest", &dialogTest},
              std::pair{"dialogAddToAddingWindow", &dialogAddToAddingWindow},
              std::pair{"dialogAddToLinkList", &dialogAddToLinkList}}) {
            benchmark::RegisterBenchmark(name, run)
                ->Arg(count)
                ->Iterations(iterations)
                ->Unit(benchmark::kMillisecond);
        }
        benchmark::RegisterBenchmark("plainLoop", &plainLoop)
            ->Arg(count)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    registerAll();
    return harvex2::bench::runOffscreenBenchmarks(argc, argv);
}
