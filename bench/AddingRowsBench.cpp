// "Add selected" building the Adding window's rows from a list of checked links, with the
// main window's status bar on screen turning its spinner, beside a plain loop making the
// same rows with no window attached.
#include "NoPrompts.h"
#include "OffscreenBench.h"
#include "QuietPass.h"
#include "core/handoff/AddCommand.h"
#include "platform/posix/FileRegistryStore.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainStatusBar.h"

#include <string>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;

class FixedBox : public core::HistoryBox {
public:
    explicit FixedBox(std::string text) : text_(std::move(text)) {}
    std::string text() const override { return text_; }
    std::vector<std::string> entries() const override { return {}; }
    void setEntries(const std::vector<std::string>&) override {}

private:
    std::string text_;
};

// The rows of the real window, which the bench never opens: only the building is timed.
class BuildOnly : public bench::QuietWindow {
public:
    explicit BuildOnly(ui::AddingWindow& window) : window_(window) {}
    core::AddingRows& rows() override { return window_.rows(); }

private:
    ui::AddingWindow& window_;
};

std::string linkOf(std::int64_t i) {
    return "http://www.example.com/files/archive-" + std::to_string(i) + ".zip";
}

struct Bench {
    explicit Bench(std::int64_t rows) {
        for (std::int64_t i = 0; i < rows; ++i) {
            links.append(linkOf(i));
        }
        links.selectAll();
        services.settings = &settings;
        services.prompts = &prompts;
        services.userStore = &userStore;
        services.machineStore = &machineStore;
        window = std::make_unique<ui::AddingWindow>(services);
        statusBar.resize(500, ui::MainStatusBar::kHeight);
        statusBar.setPanelWidths(100, 200);
        statusBar.show();
        QCoreApplication::processEvents();
    }

    QTemporaryDir folder;
    platform::FileRegistryStore userStore{
        platform::Hive::CurrentUser, folder.filePath(QStringLiteral("user.reg")).toStdString()};
    platform::FileRegistryStore machineStore{
        platform::Hive::LocalMachine, folder.filePath(QStringLiteral("machine.reg")).toStdString()};
    core::LinkList links;
    core::SettingsRecord settings;
    bench::NoPrompts prompts;
    ui::MainStatusBar statusBar;
    FixedBox baseUrl{""};
    FixedBox directory{"/home/user/Downloads"};
    ui::AppServices services;
    std::unique_ptr<ui::AddingWindow> window;
};

void addSelectedRows(benchmark::State& state) {
    Bench bench(state.range(0));
    BuildOnly adding(*bench.window);
    core::AddCommand command({bench.links, bench.settings, bench.statusBar, bench.prompts,
                              bench.userStore, bench.baseUrl, bench.directory, adding});
    for (auto _ : state) {
        // The slices back to back, as the window's loop runs them.
        command.addSelected(core::runAtOnce);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(addSelectedRows)->Arg(20'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The same rows, appended with no window and no status bar.
void plainRows(benchmark::State& state) {
    core::AddingRows rows;
    for (auto _ : state) {
        rows.clear();
        for (std::int64_t i = 0; i < state.range(0); ++i) {
            rows.append(linkOf(i),
                        {"/home/user/Downloads/", "archive-" + std::to_string(i) + ".zip"},
                        core::RowSource{static_cast<std::size_t>(i)});
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(plainRows)->Arg(20'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return harvex2::bench::runOffscreenBenchmarks(argc, argv);
}
