// Appending to the link list while a view shows it, and removing the checked entries.
// The plain vector is the baseline: what storing the texts alone costs.
#include "OffscreenBench.h"
#include "core/shell/LinkList.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"

#include <chrono>
#include <string>
#include <vector>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using Clock = std::chrono::steady_clock;
using harvex2::core::LinkList;

std::string linkText(std::int64_t i) {
    return "http://www.example.com/files/archive-" + std::to_string(i) + ".zip";
}

// Reports the cost per entry and how the last tenth compares with the first tenth.
void appendWithView(benchmark::State& state) {
    const std::int64_t total = state.range(0);
    const std::int64_t tenth = total / 10;
    double firstTenth = 0;
    double lastTenth = 0;
    for (auto _ : state) {
        LinkList links;
        harvex2::ui::LinkListModel model(links);
        harvex2::ui::LinkListView view;
        view.setLinkModel(&model);
        view.resize(330, 160);
        view.show();
        QCoreApplication::processEvents();
        Clock::time_point mark = Clock::now();
        for (std::int64_t i = 0; i < total; ++i) {
            if (i == tenth) {
                firstTenth += std::chrono::duration<double>(Clock::now() - mark).count();
            }
            if (i == total - tenth) {
                mark = Clock::now();
            }
            links.append(linkText(i));
        }
        lastTenth += std::chrono::duration<double>(Clock::now() - mark).count();
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * total);
    state.counters["last_to_first_tenth"] = lastTenth / firstTenth;
}
BENCHMARK(appendWithView)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void appendPlainVector(benchmark::State& state) {
    const std::int64_t total = state.range(0);
    for (auto _ : state) {
        std::vector<std::string> texts;
        for (std::int64_t i = 0; i < total; ++i) {
            texts.push_back(linkText(i));
        }
        benchmark::DoNotOptimize(texts.data());
    }
    state.SetItemsProcessed(state.iterations() * total);
}
BENCHMARK(appendPlainVector)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void removeEveryOtherWithView(benchmark::State& state) {
    const std::int64_t total = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        LinkList links;
        for (std::int64_t i = 0; i < total; ++i) {
            links.append(linkText(i));
            links.setChecked(static_cast<std::size_t>(i), i % 2 == 0);
        }
        harvex2::ui::LinkListModel model(links);
        harvex2::ui::LinkListView view;
        view.setLinkModel(&model);
        view.show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        links.removeSelected();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(removeEveryOtherWithView)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return harvex2::bench::runOffscreenBenchmarks(argc, argv);
}
