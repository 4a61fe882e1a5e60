// Paste links with the link list in view: how long a paste holds the window, and the
// longest gap of a 10 ms heartbeat timer while it runs. The pasted selection is markup, as
// a browser copies it, or text, as a chat or a text file gives it; one case holds 100,000
// links, the other the largest payload taken, 64 MB.
// usage: harvex2_paste_bench [benchmark flags]
#include "NoPrompts.h"
#include "OffscreenBench.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"
#include "ui/shell/LinkPasting.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <string>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;
using Clock = std::chrono::steady_clock;

class SilentStatusBar : public platform::StatusBar {
public:
    void setText(platform::StatusPanel panel, const std::string& text) override {
        panels_.at(static_cast<std::size_t>(panel)) = text;
    }
    std::string text(platform::StatusPanel panel) const override {
        return panels_.at(static_cast<std::size_t>(panel));
    }

private:
    std::array<std::string, 3> panels_;
};

enum class Format { Html, Text };

// A selection of `links` links, or of as many as fit in `bytes`.
QMimeData* selection(Format format, std::int64_t links, std::size_t bytes) {
    std::string payload;
    for (std::int64_t i = 0; i < links && payload.size() < bytes; ++i) {
        const std::string link =
            "http://www.example.com/files/archive-" + std::to_string(i) + ".zip";
        payload += format == Format::Html
                       ? "<li><a href=\"" + link + "\">archive " + std::to_string(i) + "</a>\n"
                       : "archive " + std::to_string(i) + ": " + link + "\n";
    }
    auto* data = new QMimeData;
    if (format == Format::Html) {
        data->setHtml(QString::fromStdString(payload));
    } else {
        data->setText(QString::fromStdString(payload));
    }
    return data;
}

// Pastes from the event loop with a view on the list and a heartbeat running; reports the
// paste's length and the heartbeat's longest gap, both from the first tick on.
void paste(benchmark::State& state, Format format, std::int64_t links, std::size_t bytes) {
    const std::unique_ptr<QMimeData> data(selection(format, links, bytes));
    double longestGap = 0;
    double held = 0;
    std::size_t pasted = 0;
    for (auto _ : state) {
        core::LinkList list;
        ui::LinkListModel model(list);
        ui::LinkListView view;
        view.setLinkModel(&model);
        view.resize(330, 160);
        view.show();
        core::SettingsRecord settings;
        SilentStatusBar statusBar;
        bench::NoPrompts prompts;
        ui::AppServices services;
        services.links = &list;
        services.settings = &settings;
        services.statusBar = &statusBar;
        services.prompts = &prompts;

        QTimer heartbeat;
        heartbeat.setInterval(10);
        heartbeat.setTimerType(Qt::PreciseTimer);
        Clock::time_point last = Clock::now();
        Clock::duration gap{};
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            const Clock::time_point now = Clock::now();
            gap = std::max(gap, now - last);
            last = now;
        });
        heartbeat.start();
        bool done = false;
        Clock::duration pasteTime{};
        QTimer::singleShot(20, [&] {
            const Clock::time_point start = Clock::now();
            ui::LinkPasting::paste(*data, services);
            pasteTime = Clock::now() - start;
            QTimer::singleShot(50, [&] { done = true; });
        });
        while (!done) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        longestGap = std::max(longestGap, std::chrono::duration<double, std::milli>(gap).count());
        held += std::chrono::duration<double, std::milli>(pasteTime).count();
        pasted = list.count();
        if (pasted == 0) {
            state.SkipWithError("nothing was pasted");
        }
    }
    state.counters["links"] = static_cast<double>(pasted);
    state.counters["payload_MB"] =
        static_cast<double>(
            (format == Format::Html ? data->html().toUtf8() : data->text().toUtf8()).size()) /
        (1 << 20);
    state.counters["paste_ms"] = held / static_cast<double>(state.iterations());
    state.counters["longest_gap_ms"] = longestGap;
}

constexpr std::size_t kLargest = std::size_t{64} << 20;

void pasteHtmlLinks(benchmark::State& state) {
    paste(state, Format::Html, state.range(0), kLargest);
}
void pasteTextLinks(benchmark::State& state) {
    paste(state, Format::Text, state.range(0), kLargest);
}
void pasteLargestHtml(benchmark::State& state) {
    paste(state, Format::Html, INT64_MAX, kLargest - 100);
}
void pasteLargestText(benchmark::State& state) {
    paste(state, Format::Text, INT64_MAX, kLargest - 100);
}

BENCHMARK(pasteHtmlLinks)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(pasteTextLinks)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(pasteLargestHtml)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(pasteLargestText)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return bench::runOffscreenBenchmarks(argc, argv);
}
