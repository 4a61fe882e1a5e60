// How long the window's event loop goes unserved while long work runs from the window: a
// 10 ms heartbeat timer records its longest gap and its 99th percentile while the main
// window opens a link list file of a million entries and saves one, and while the sequence
// dialog's Test makes a million URLs. The work is started from the loop and its end is seen by the
// heartbeat, so the time reported is the whole command as the user waits for it. Beside each
// gap it notes the processor time this thread spent in it: on a busy machine a gap may be
// mostly time the thread was not run at all.
#include "NoPrompts.h"
#include "OffscreenBench.h"
#include "UnreachableTargets.h"
#include "core/listfiles/LinkListFileWriter.h"
#include "core/listfiles/ListHeader.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/ReplacingFile.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/platform/QtShell.h"
#include "ui/sequence/SequencePreviewModel.h"
#include "ui/sequence/SequentialDialog.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainStatusBar.h"
#include "ui/shell/MainWindow.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <time.h>
#include <vector>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;

constexpr std::size_t kEntries = 1'000'000;
constexpr int kBeat = 10;

double threadMilliseconds() {
    timespec spec{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &spec);
    return static_cast<double>(spec.tv_sec) * 1e3 + static_cast<double>(spec.tv_nsec) / 1e6;
}

struct Gaps {
    std::vector<double> wall;
    std::vector<double> busy; // this thread's processor time in each gap
};

struct Window {
    Window() {
        services.prompts = &prompts;
        services.shell = &shell;
        services.userStore = &store;
        services.machineStore = &store;
        services.dde = &targets;
        services.automation = &targets;
        main = std::make_unique<ui::MainWindow>(services);
        main->show();
        QCoreApplication::processEvents();
    }

    QTemporaryDir folder;
    platform::FileRegistryStore store{platform::Hive::CurrentUser,
                                      folder.filePath(QStringLiteral("user.reg")).toStdString()};
    bench::NoPrompts prompts;
    ui::QtShell shell;
    bench::UnreachableTargets targets;
    ui::AppServices services;
    std::unique_ptr<ui::MainWindow> main;
};

// Starts `work` from the event loop and serves the loop until `done` says so, noting every
// heartbeat. Returns the whole time in seconds.
double timeWithHeartbeat(const std::function<void()>& work, const std::function<bool()>& done,
                         Gaps& gaps) {
    QEventLoop loop;
    QElapsedTimer clock;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    beat.setInterval(kBeat);
    double last = 0;
    double lastBusy = threadMilliseconds();
    double end = 0;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const double now = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        const double busy = threadMilliseconds();
        gaps.wall.push_back(now - last);
        gaps.busy.push_back(busy - lastBusy);
        last = now;
        lastBusy = busy;
        if (done()) {
            end = now;
            loop.quit();
        }
    });
    clock.start();
    beat.start();
    QTimer::singleShot(0, work);
    loop.exec();
    return end / 1e3;
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(static_cast<double>(values.size() - 1) * share)];
}

void report(benchmark::State& state, const Gaps& gaps, double seconds) {
    state.counters["gap_max_ms"] = percentile(gaps.wall, 1);
    state.counters["gap_p99_ms"] = percentile(gaps.wall, 0.99);
    state.counters["busy_max_ms"] = percentile(gaps.busy, 1);
    state.counters["busy_p99_ms"] = percentile(gaps.busy, 0.99);
    state.counters["whole_s"] = seconds;
    state.SetIterationTime(seconds);
}

void fill(core::LinkList& links) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < kEntries; ++i) {
        texts.push_back("http://www.example.com/files/archive-" + std::to_string(i) + ".zip");
    }
    links.appendAll(std::move(texts));
}

std::string listFile(const QTemporaryDir& folder) {
    const std::string path = folder.filePath(QStringLiteral("big.nva")).toStdString();
    core::LinkList links;
    fill(links);
    platform::ReplacingFile out(path);
    core::LinkListFileWriter::write(out, core::ListHeader("http://www.example.com/", "/tmp"),
                                    links);
    out.commit();
    return path;
}

void openLinkList(benchmark::State& state) {
    Window window;
    const std::string path = listFile(window.folder);
    for (auto _ : state) {
        window.main->links().clear();
        QCoreApplication::processEvents();
        Gaps gaps;
        const double seconds = timeWithHeartbeat(
            [&] { window.main->hooks().openLinkList(path); },
            [&] { return window.main->panels().text(platform::StatusPanel::State) == "Loaded"; },
            gaps);
        if (window.main->links().count() != kEntries) {
            state.SkipWithError("the file did not load whole");
        }
        window.main->panels().setText(platform::StatusPanel::State, "");
        report(state, gaps, seconds);
    }
}
BENCHMARK(openLinkList)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Through the Save Links dialog, confirmed as soon as it is up.
void saveLinkList(benchmark::State& state) {
    Window window;
    fill(window.main->links());
    const QString path = window.folder.filePath(QStringLiteral("saved.nva"));
    for (auto _ : state) {
        Gaps gaps;
        const double seconds = timeWithHeartbeat(
            [&] {
                QTimer::singleShot(0, [&] {
                    QWidget* dialog = QApplication::activeModalWidget();
                    dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(path);
                    dialog->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
                });
                window.main->hooks().saveLinks();
            },
            [&] { return window.main->panels().text(platform::StatusPanel::State) == "Saved"; },
            gaps);
        window.main->panels().setText(platform::StatusPanel::State, "");
        report(state, gaps, seconds);
    }
}
BENCHMARK(saveLinkList)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The Adding window with its rows, whose hand-off is not part of the measure.
class AddingWithoutHandOff : public ui::AddingWindow {
public:
    using ui::AddingWindow::AddingWindow;
    void open(std::function<void()>) override {}
};

void sequenceTest(benchmark::State& state) {
    Window window;
    window.main->settings().acas = false;
    AddingWithoutHandOff adding(window.services);
    ui::SequentialDialog dialog(window.services, adding);
    core::SequenceFields fields;
    fields.url = "http://www.example.com/gallery/2024/img|.jpg";
    fields.start = "0";
    fields.end = std::to_string(kEntries - 1);
    dialog.setFields(fields);
    dialog.show();
    QCoreApplication::processEvents();
    auto* test = dialog.findChild<QPushButton*>(QStringLiteral("Button4"));
    auto* wait = dialog.findChild<QLabel*>(QStringLiteral("Label5"));
    for (auto _ : state) {
        Gaps gaps;
        const double seconds =
            timeWithHeartbeat([&] { test->click(); },
                              [&] {
                                  return wait->isHidden() &&
                                         dialog.preview().rowCount() == static_cast<int>(kEntries);
                              },
                              gaps);
        report(state, gaps, seconds);
    }
}
BENCHMARK(sequenceTest)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runOffscreenBenchmarks(argc, argv);
}
