// One very long link on screen: in the main window's list, as its tooltip, and as a row
// of the Adding window. A link of a hundred bytes is the baseline. The peak memory counter is
// the whole process's, so run one size per process (--benchmark_filter=.../5242880$).
#include "NoPrompts.h"
#include "OffscreenBench.h"
#include "UnreachableTargets.h"
#include "core/shell/LinkList.h"
#include "platform/posix/FileRegistryStore.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"

#include <string>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QToolTip>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;

std::string longLink(std::int64_t bytes) {
    std::string link = "http://www.example.com/";
    link.resize(static_cast<std::size_t>(bytes), 'a');
    return link;
}

void reportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct ShownList {
    explicit ShownList(std::int64_t bytes) {
        links.append(longLink(bytes));
        view.setLinkModel(&model);
        view.resize(330, 160);
        view.show();
        QCoreApplication::processEvents();
    }

    core::LinkList links;
    ui::LinkListModel model{links};
    ui::LinkListView view;
};

void showInList(benchmark::State& state) {
    for (auto _ : state) {
        ShownList list(state.range(0));
    }
    reportPeakMemory(state);
}
BENCHMARK(showInList)
    ->Arg(100)
    ->Arg(5 << 20)
    ->Arg(50 << 20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The entry's tooltip appears as when the mouse rests on it.
void showTooltip(benchmark::State& state) {
    ShownList list(state.range(0));
    for (auto _ : state) {
        const QVariant tip = list.model.data(list.model.index(0), Qt::ToolTipRole);
        QToolTip::showText(list.view.mapToGlobal(QPoint(20, 5)), tip.toString(), &list.view);
        QCoreApplication::processEvents();
        QToolTip::hideText();
        QCoreApplication::processEvents();
    }
    reportPeakMemory(state);
}
BENCHMARK(showTooltip)
    ->Arg(100)
    ->Arg(5 << 20)
    ->Arg(50 << 20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The Adding window as the Add command shows it, its row's URL and target both long.
void showInAddingWindow(benchmark::State& state) {
    QTemporaryDir folder;
    platform::FileRegistryStore userStore{
        platform::Hive::CurrentUser, folder.filePath(QStringLiteral("user.reg")).toStdString()};
    platform::FileRegistryStore machineStore{
        platform::Hive::LocalMachine, folder.filePath(QStringLiteral("machine.reg")).toStdString()};
    core::SettingsRecord settings;
    bench::NoPrompts prompts;
    bench::UnreachableTargets targets;
    ui::AppServices services;
    services.settings = &settings;
    services.prompts = &prompts;
    services.userStore = &userStore;
    services.machineStore = &machineStore;
    services.dde = &targets;
    services.automation = &targets;
    for (auto _ : state) {
        ui::AddingWindow window(services, std::chrono::hours(1));
        const std::string link = longLink(state.range(0));
        window.rows().append(link, {"/home/user/Downloads/", link}, core::RowSource{});
        window.show();
        QCoreApplication::processEvents();
    }
    reportPeakMemory(state);
}
BENCHMARK(showInAddingWindow)
    ->Arg(100)
    ->Arg(5 << 20)
    ->Arg(50 << 20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return harvex2::bench::runOffscreenBenchmarks(argc, argv);
}
