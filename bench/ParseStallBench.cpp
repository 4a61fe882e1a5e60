// How long the window's event loop goes unserved while a dropped HTML file is parsed
// through the Parse HTML dialog, with a list view following the link list: a 10 ms
// heartbeat timer records its longest gap and its 99th percentile. Beside it, in the same
// iteration, the bare reader on the same file with the same settings; the counter
// dialog_to_reader is the ratio of their wall-clock times.
// usage: harvex2_parse_stall_bench --corpus=DIR [benchmark flags]   (DIR from make-corpus.sh)
#include "BenchSupport.h"
#include "Heartbeat.h"
#include "NoPrompts.h"
#include "OffscreenBench.h"
#include "core/extract/HtmlFile.h"
#include "core/extract/LinkFinder.h"
#include "core/extract/SettingsSwitches.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "ui/extract/ParseHtmlDialog.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;
using Clock = std::chrono::steady_clock;

std::string corpus;
const char* const kFile = "dense.html";

struct Panels final : platform::StatusBar {
    std::map<platform::StatusPanel, std::string> texts;
    void setText(platform::StatusPanel panel, const std::string& text) override {
        texts[panel] = text;
    }
    std::string text(platform::StatusPanel panel) const override { return texts.at(panel); }
};

double milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

void dialogStalls(benchmark::State& state) {
    const std::string path = corpus + "/" + kFile;
    core::SettingsRecord settings;
    const core::SettingsSwitches switches(settings);
    Panels panels;
    bench::NoPrompts prompts;
    for (auto _ : state) {
        core::LinkFinder bare(core::ReadingChoice::of(settings), switches, [](std::string_view) {});
        Clock::time_point start = Clock::now();
        core::HtmlFile file(path);
        benchmark::DoNotOptimize(bare.scan(file));
        const double readerTime = milliseconds(Clock::now() - start);

        core::LinkList list;
        ui::LinkListModel model(list);
        ui::LinkListView view;
        view.setLinkModel(&model);
        view.resize(330, 160);
        view.show();
        ui::AppServices services;
        services.links = &list;
        services.settings = &settings;
        services.statusBar = &panels;
        services.prompts = &prompts;
        ui::ParseHtmlDialog dialog(services);
        QCoreApplication::processEvents();

        bench::Heartbeat heartbeat;
        QEventLoop untilEnded;
        QObject::connect(&dialog, &ui::ParseHtmlDialog::runEnded, &untilEnded, &QEventLoop::quit);
        start = Clock::now();
        heartbeat.start();
        dialog.parseDroppedFile(path);
        untilEnded.exec();
        const auto [longest, p99] = heartbeat.stop();
        const double dialogTime = milliseconds(Clock::now() - start);
        state.counters["links"] = static_cast<double>(list.count());
        state.counters["longest_gap_ms"] = longest;
        state.counters["p99_gap_ms"] = p99;
        state.counters["dialog_to_reader"] = dialogTime / readerTime;
    }
}
BENCHMARK(dialogStalls)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runOnCorpus(argc, argv, kFile, corpus, bench::runOffscreenBenchmarks);
}
