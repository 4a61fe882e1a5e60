// A Parse HTML run through the dialog, offscreen, with its labels updating and a list view
// following the link list, timed against the bare scanner on the same file in the same
// iteration. The counter dialog_to_scanner is the ratio of their processor times, the
// reading thread's included.
// usage: harvex2_dialog_bench --corpus=DIR [benchmark flags]   (DIR from make-corpus.sh)
#include "BenchSupport.h"
#include "NoPrompts.h"
#include "OffscreenBench.h"
#include "core/extract/HtmlFile.h"
#include "core/extract/LinkScanner.h"
#include "core/extract/SettingsSwitches.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "ui/extract/ParseHtmlDialog.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"

#include <ctime>
#include <filesystem>
#include <map>
#include <string>

#include <QCoreApplication>
#include <QEventLoop>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;

std::string corpus;
const char* const kFiles[] = {"real.html", "quarter.html"};

struct Panels final : platform::StatusBar {
    std::map<platform::StatusPanel, std::string> texts;
    void setText(platform::StatusPanel panel, const std::string& text) override {
        texts[panel] = text;
    }
    std::string text(platform::StatusPanel panel) const override { return texts.at(panel); }
};

// Processor time of this process: other work sharing the machine does not count.
double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void dialogVsScanner(benchmark::State& state) {
    const std::string path = corpus + "/" + kFiles[state.range(0)];
    core::SettingsRecord settings;
    const core::SettingsSwitches switches(settings);
    core::LinkScanner bare(switches, [](std::string_view) {});
    Panels panels;
    bench::NoPrompts prompts;
    double scannerTime = 0;
    double dialogTime = 0;
    std::size_t links = 0;
    for (auto _ : state) {
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

        double start = processorSeconds();
        core::HtmlFile file(path);
        benchmark::DoNotOptimize(bare.scan(file));
        scannerTime += processorSeconds() - start;

        QEventLoop untilEnded;
        QObject::connect(&dialog, &ui::ParseHtmlDialog::runEnded, &untilEnded, &QEventLoop::quit);
        start = processorSeconds();
        dialog.parseDroppedFile(path);
        untilEnded.exec();
        dialogTime += processorSeconds() - start;
        links = list.count();
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    state.SetLabel(kFiles[state.range(0)]);
    state.counters["links"] = static_cast<double>(links);
    state.counters["dialog_to_scanner"] = dialogTime / scannerTime;
}
BENCHMARK(dialogVsScanner)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv) {
    return bench::runOnCorpus(argc, argv, kFiles[1], corpus, bench::runOffscreenBenchmarks);
}
