// Appending to the link list while a view shows it, and removing the checked entries.
// The plain vector is the baseline: what storing the texts alone costs. Appends report the
// cost per entry and how the last tenth of the entries compares with the first tenth: a
// list that stays flat keeps that ratio near 1 at ten million entries. The bare list, the
// model alone and the view without events tell apart where a growing cost comes from.
#include "OffscreenBench.h"
#include "core/shell/LinkList.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using harvex2::core::LinkList;

std::string linkText(std::int64_t i) {
    return "http://www.example.com/files/archive-" + std::to_string(i) + ".zip";
}

// Processor time rather than wall time: the figures must not depend on what else the
// machine is doing.
double processorSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

enum class Shown { Nowhere, ModelOnly, InView };

// The list with as much of the display attached as the case asks for.
struct ShownList {
    explicit ShownList(Shown shown) {
        if (shown == Shown::Nowhere) {
            return;
        }
        model = std::make_unique<harvex2::ui::LinkListModel>(links);
        if (shown == Shown::InView) {
            view = std::make_unique<harvex2::ui::LinkListView>();
            view->setLinkModel(model.get());
            view->resize(330, 160);
            view->show();
            QCoreApplication::processEvents();
        }
    }
    LinkList links;
    std::unique_ptr<harvex2::ui::LinkListModel> model;
    std::unique_ptr<harvex2::ui::LinkListView> view;
};

enum class Events { None, EveryEntry, EveryRefresh };

// How often the Parse HTML dialog refreshes its counters and lets events run, unless the
// case gives its own pace in milliseconds as its second argument.
constexpr double kRefreshSeconds = 0.1;

// Appends one entry at a time; pending events are processed after every entry, as the
// commands that gather links one by one do, or at every counter refresh, as a parse does.
void appendEntries(benchmark::State& state, Shown shown, Events events) {
    const double refreshSeconds =
        state.range(1) > 0 ? static_cast<double>(state.range(1)) / 1e3 : kRefreshSeconds;
    const std::int64_t total = state.range(0);
    const std::int64_t tenth = total / 10;
    double firstTenth = 0;
    double lastTenth = 0;
    for (auto _ : state) {
        ShownList list(shown);
        double mark = processorSeconds();
        double refreshed = mark;
        for (std::int64_t i = 0; i < total; ++i) {
            if (i == tenth) {
                firstTenth += processorSeconds() - mark;
            }
            if (i == total - tenth) {
                mark = processorSeconds();
            }
            list.links.append(linkText(i));
            if (events == Events::EveryEntry ||
                (events == Events::EveryRefresh &&
                 processorSeconds() - refreshed >= refreshSeconds)) {
                QCoreApplication::processEvents();
                refreshed = processorSeconds();
            }
        }
        lastTenth += processorSeconds() - mark;
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * total);
    state.counters["last_to_first_tenth"] = lastTenth / firstTenth;
}

void appendToBareList(benchmark::State& state) {
    appendEntries(state, Shown::Nowhere, Events::None);
}
BENCHMARK(appendToBareList)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

void appendWithModel(benchmark::State& state) {
    appendEntries(state, Shown::ModelOnly, Events::None);
}
BENCHMARK(appendWithModel)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

void appendWithView(benchmark::State& state) {
    appendEntries(state, Shown::InView, Events::None);
}
BENCHMARK(appendWithView)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

void appendWithViewAndEvents(benchmark::State& state) {
    appendEntries(state, Shown::InView, Events::EveryEntry);
}
BENCHMARK(appendWithViewAndEvents)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

void appendWithViewAndRefreshes(benchmark::State& state) {
    appendEntries(state, Shown::InView, Events::EveryRefresh);
}
// Also at 40 ms, the pace of a run the window drives in slices between repaints.
BENCHMARK(appendWithViewAndRefreshes)
    ->Args({1'000'000, 0})
    ->Args({10'000'000, 0})
    ->Args({10'000'000, 40})
    ->Unit(benchmark::kMillisecond);

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
BENCHMARK(appendPlainVector)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

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
