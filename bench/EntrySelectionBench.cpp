// Select Special over a million entries with a view attached, by extension and by text,
// beside a plain loop that looks for the same text in the same strings.
#include "OffscreenBench.h"
#include "core/shell/LinkList.h"
#include "core/shell/SelectRule.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"

#include <string>
#include <vector>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using harvex2::core::LinkList;
using harvex2::core::SelectRule;

constexpr std::int64_t kEntries = 1'000'000;

std::string linkText(std::int64_t i) {
    static const char* const kEndings[] = {".zip", ".jpg", ".html?page=2", "/"};
    return "http://www.example.com/files/archive-" + std::to_string(i) + kEndings[i % 4];
}

void selectWithView(benchmark::State& state, const SelectRule& rule) {
    LinkList links;
    std::vector<std::string> texts;
    for (std::int64_t i = 0; i < kEntries; ++i) {
        texts.push_back(linkText(i));
    }
    links.appendAll(std::move(texts));
    harvex2::ui::LinkListModel model(links);
    harvex2::ui::LinkListView view;
    view.setLinkModel(&model);
    view.resize(330, 160);
    view.show();
    int notifications = 0;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&] { ++notifications; });
    for (auto _ : state) {
        state.PauseTiming();
        links.selectAll();
        QCoreApplication::processEvents();
        notifications = 0;
        state.ResumeTiming();
        harvex2::core::applySelectRule(links, rule);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
    state.counters["notifications"] = notifications;
}

void selectByExtension(benchmark::State& state) {
    selectWithView(state, {true, SelectRule::Match::Extension, ".ZIP", {}});
}
BENCHMARK(selectByExtension)->Unit(benchmark::kMillisecond);

void selectByText(benchmark::State& state) {
    selectWithView(state, {true, SelectRule::Match::Text, {}, "ARCHIVE-99"});
}
BENCHMARK(selectByText)->Unit(benchmark::kMillisecond);

// The baseline: a case-sensitive find over the same strings, flags into a plain vector.
void plainFindLoop(benchmark::State& state) {
    std::vector<std::string> texts;
    for (std::int64_t i = 0; i < kEntries; ++i) {
        texts.push_back(linkText(i));
    }
    std::vector<char> checked(texts.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            checked[i] = texts[i].find("archive-99") != std::string::npos;
        }
        benchmark::DoNotOptimize(checked.data());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(plainFindLoop)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return harvex2::bench::runOffscreenBenchmarks(argc, argv);
}
