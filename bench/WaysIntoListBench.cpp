// Every way links come into the list, each filling it to ten million entries with all that
// follows the list in the running program: the model and its view, the undo history, the
// recovery file on its own timer and the ledger's marks. Events are served at the window's
// refresh pace of 40 ms of processor time, so the view lays out and the recovery file
// catches up as they would. Reports the cost per entry of the last tenth against the first
// tenth: a way that stays flat keeps it near 1. Opening a file replaces the list; the list
// file bench reports its tenths.
#include "NoPrompts.h"
#include "OffscreenBench.h"
#include "core/extract/DroppedLinks.h"
#include "core/extract/LinkPaste.h"
#include "core/extract/ParseHtml.h"
#include "core/ledger/Ledger.h"
#include "core/sequence/LinkListSink.h"
#include "core/shell/LinkList.h"
#include "core/shell/UndoHistory.h"
#include "platform/StatusBar.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"
#include "ui/shell/ListRecovery.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <time.h>
#include <unistd.h>
#include <vector>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;

constexpr double kRefreshSeconds = 0.04;

double processorSeconds() {
    timespec spec{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &spec);
    return static_cast<double>(spec.tv_sec) + static_cast<double>(spec.tv_nsec) / 1e9;
}

std::string linkText(std::size_t i) {
    return "http://www.example.com/files/archive-" + std::to_string(i) + ".zip";
}

class QuietStatusBar final : public platform::StatusBar {
public:
    void setText(platform::StatusPanel panel, const std::string& text) override {
        panels_[static_cast<std::size_t>(panel)] = text;
    }
    std::string text(platform::StatusPanel panel) const override {
        return panels_[static_cast<std::size_t>(panel)];
    }

private:
    std::array<std::string, 3> panels_;
};

class NoIgnoring final : public core::IgnoreSwitches {
public:
    bool ignoreMailTo() const override { return false; }
    bool ignoreBookmarks() const override { return false; }
    bool qLinks() const override { return false; }
};

struct Folder {
    Folder()
        : path(std::filesystem::temp_directory_path() /
               ("harvex2-ways-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

// The list as the main window holds it.
struct WindowList {
    WindowList() : recovery(links, (folder.path / "recovery").string(), nullptr) {
        ledger.load();
        ledger.record("aria2", linkText(3));
        model.setLedger(&ledger, [] { return std::string(); });
        links.setHistory(&history);
        view.setLinkModel(&model);
        view.resize(330, 160);
        view.show();
        recovery.offerLeftBehind(prompts);
        QCoreApplication::processEvents();
    }
    ~WindowList() { recovery.discardFile(); }

    Folder folder;
    core::Ledger ledger{(folder.path / "sent").string()};
    core::LinkList links;
    core::UndoHistory history;
    ui::LinkListModel model{links};
    ui::LinkListView view;
    bench::NoPrompts prompts;
    ui::ListRecovery recovery;
    QuietStatusBar status;
};

// One command of a way: appends some entries, from `first` on.
using Command = std::function<void(WindowList& list, std::size_t first)>;

// Runs `command` until the list holds `total` entries, serving events at the refresh pace;
// each command is one undo step, as the window makes it.
void fill(benchmark::State& state, const Command& command) {
    const auto total = static_cast<std::size_t>(state.range(0));
    double ratios = 0;
    for (auto _ : state) {
        WindowList list;
        const double start = processorSeconds();
        double refreshed = start;
        double firstTenth = 0, lastStart = start;
        std::size_t firstCount = 0, lastCount = 0;
        while (list.links.count() < total) {
            command(list, list.links.count());
            list.history.endChange();
            const double now = processorSeconds();
            const std::size_t count = list.links.count();
            if (firstCount == 0 && count >= total / 10) {
                firstTenth = now - start;
                firstCount = count;
            }
            // A way that holds links back may pass the last tenth on in one go: the last
            // tenth is timed from the last look before it.
            if (count <= total - total / 10) {
                lastStart = now;
                lastCount = count;
            }
            if (now - refreshed >= kRefreshSeconds) {
                QCoreApplication::processEvents();
                refreshed = processorSeconds();
            }
        }
        QCoreApplication::processEvents();
        const double last = processorSeconds() - lastStart;
        ratios += (last / static_cast<double>(list.links.count() - lastCount)) /
                  (firstTenth / static_cast<double>(firstCount));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["last_to_first_tenth"] = ratios / static_cast<double>(state.iterations());
}

// The Add of the sequence dialog: one series of ten million URLs made a slice at a time,
// each slice handed to the same sink, as the dialog's run does.
void sequenceAdd(benchmark::State& state) {
    const auto total = static_cast<std::size_t>(state.range(0));
    std::unique_ptr<core::LinkListSink> sink;
    std::size_t made = 0;
    std::string url;
    fill(state, [&](WindowList& list, std::size_t first) {
        if (first == 0 && made == 0) {
            sink = std::make_unique<core::LinkListSink>(list.links);
        }
        const std::size_t end = std::min(total, made + 4096);
        for (; made < end; ++made) {
            url = linkText(made);
            sink->append(url);
        }
        if (made < total) {
            sink->flush();
        } else {
            sink->finish();
            made = 0;
        }
    });
}

// A page of 100,000 links parsed into the list, appended a slice's share at a time.
void parse(benchmark::State& state) {
    fill(state, [](WindowList& list, std::size_t first) {
        std::vector<std::string> links;
        for (std::size_t i = 0; i < 100'000; ++i) {
            links.push_back(linkText(first + i));
        }
        for (std::size_t from = 0; from < links.size();) {
            from = core::appendPart(list.links, links, from, "http://www.example.com/");
        }
    });
}

// 100,000 links pasted as text, one a line.
void paste(benchmark::State& state) {
    fill(state, [](WindowList& list, std::size_t first) {
        std::string text;
        for (std::size_t i = 0; i < 100'000; ++i) {
            text += linkText(first + i) + "\n";
        }
        core::OfferedText offered;
        offered.plain = std::move(text);
        core::LinkPaste::append(core::LinkPaste::read(offered, {}, NoIgnoring()), list.links,
                                list.status);
    });
}

// 1,000 links dropped at a time.
void drop(benchmark::State& state) {
    fill(state, [](WindowList& list, std::size_t first) {
        std::vector<std::string> links;
        for (std::size_t i = 0; i < 1'000; ++i) {
            links.push_back(linkText(first + i));
        }
        core::DroppedLinks::append(links, list.links, list.status);
    });
}

BENCHMARK(sequenceAdd)->Arg(10'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(parse)->Arg(10'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(paste)->Arg(10'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(drop)->Arg(10'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runOffscreenBenchmarks(argc, argv);
}
