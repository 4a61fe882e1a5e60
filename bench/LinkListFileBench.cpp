// Saving and loading a link list file of a million entries, beside a plain write and a
// plain read of the same bytes in the same run: what the records, the list and the status
// texts add to the file's own cost. againstPlain gives the two ratios; roundTrip checks that
// the file is the record form byte for byte and comes back whole. Loading also reports the
// cost per entry of the last tenth of the file against the first tenth, with and without a
// view showing the list: a load that stays flat keeps it near 1.
#include "ListFileBenchList.h"
#include "NoPrompts.h"
#include "OffscreenBench.h"
#include "core/listfiles/LinkListFileWriter.h"
#include "core/listfiles/LinkListLoader.h"
#include "core/listfiles/ListHeader.h"
#include "core/listfiles/SaveLinks.h"
#include "core/shell/LinkList.h"
#include "platform/StatusBar.h"
#include "platform/posix/ReplacingFile.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <time.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;
using bench::kEntries;

double processorSeconds() {
    timespec spec{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &spec);
    return static_cast<double>(spec.tv_sec) + static_cast<double>(spec.tv_nsec) / 1e9;
}

// What the status bar costs a save or a load: the number as text.
class TextStatus final : public platform::StatusBar {
public:
    void setText(platform::StatusPanel panel, const std::string& text) override {
        texts_[static_cast<std::size_t>(panel)] = text;
    }
    std::string text(platform::StatusPanel panel) const override {
        return texts_[static_cast<std::size_t>(panel)];
    }

private:
    std::string texts_[3];
};

// The warning about cut links is part of every save of the bench list.
class AnsweringPrompts final : public bench::NoPrompts {
public:
    platform::MessageButton message(const platform::MessageRequest&) override {
        return platform::MessageButton::Ok;
    }
};

// The Save Links command, its run driven to the end at once.
void saveAsCommand(const core::LinkList& links, const std::string& path) {
    TextStatus status;
    AnsweringPrompts prompts;
    core::SaveLinks command(links, bench::kHeader, status, prompts,
                            [](std::unique_ptr<core::SlicedRun> run, std::function<void()> ended) {
                                while (run->advance()) {
                                }
                                ended();
                            });
    command.save({path, core::SaveFormat::LinkList, core::SaveScope::All}, {});
}

void loadBare(core::LinkList& links, const std::string& path) {
    core::ListHeader header;
    std::string shown;
    core::LinkListLoader(links, header).load(path, [&](std::size_t n) {
        shown = std::to_string(n);
    });
}

void saveListFile(benchmark::State& state) {
    const core::LinkList& links = bench::bigList();
    const std::string path = bench::benchFile("saved.nva");
    for (auto _ : state) {
        saveAsCommand(links, path);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kEntries));
}
BENCHMARK(saveListFile)->Unit(benchmark::kMillisecond);

void writePlainly(const std::string& bytes, const std::string& path, bool synced) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    if (synced) {
        std::fflush(file);
        ::fsync(::fileno(file));
    }
    std::fclose(file);
}

std::size_t readPlainly(const std::string& path) {
    static std::string buffer(1 << 16, '\0');
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::size_t total = 0;
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file)) {
        total += got;
    }
    std::fclose(file);
    return total;
}

void plainWrite(benchmark::State& state) {
    const std::string& bytes = bench::listFileBytes();
    const std::string path = bench::benchFile("plain.nva");
    for (auto _ : state) {
        writePlainly(bytes, path, false);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(plainWrite)->Unit(benchmark::kMillisecond);

void plainRead(benchmark::State& state) {
    const std::string path = bench::benchFile("saved.nva");
    saveAsCommand(bench::bigList(), path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(readPlainly(path));
    }
}
BENCHMARK(plainRead)->Unit(benchmark::kMillisecond);

// The wall and processor time of one call, the process's other threads included.
struct Spent {
    template <typename Work> explicit Spent(Work&& work) {
        const auto start = std::chrono::steady_clock::now();
        const double busyStart = processorSeconds();
        work();
        busy = processorSeconds() - busyStart;
        wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    double wall = 0;
    double busy = 0;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The wall and processor time of one call, after the disk has taken all that earlier calls
// left waiting: otherwise a write that leaves its pages dirty slows whichever call the
// kernel makes flush them, and the ratios swing by half.
template <typename Work> Spent settledSpent(Work&& work) {
    ::sync();
    return Spent(std::forward<Work>(work));
}

// Each round reads, loads, writes and saves once in turn, so a busy machine weighs on all
// of them alike; the counters are the medians of the rounds' ratios. The list a load made
// is freed outside the measure. The save puts its file on the disk before it ends, so it
// is also set beside a plain write that does so too.
void againstPlain(benchmark::State& state) {
    const core::LinkList& source = bench::bigList();
    const std::string& bytes = bench::listFileBytes();
    const std::string saved = bench::benchFile("saved.nva");
    const std::string plain = bench::benchFile("plain.nva");
    saveAsCommand(source, saved);
    std::vector<double> loadCpu, loadWall, saveCpu, saveWall, saveSyncedCpu, saveSyncedWall;
    std::vector<double> loadMs, saveMs;
    for (auto _ : state) {
        const Spent read = settledSpent([&] { benchmark::DoNotOptimize(readPlainly(saved)); });
        std::optional<core::LinkList> links(std::in_place);
        const Spent load = settledSpent([&] { loadBare(*links, saved); });
        links.reset();
        const Spent write = settledSpent([&] { writePlainly(bytes, plain, false); });
        const Spent synced = settledSpent([&] { writePlainly(bytes, plain, true); });
        const Spent save = settledSpent([&] { saveAsCommand(source, saved); });
        loadCpu.push_back(load.busy / read.busy);
        loadWall.push_back(load.wall / read.wall);
        saveCpu.push_back(save.busy / write.busy);
        saveWall.push_back(save.wall / write.wall);
        saveSyncedCpu.push_back(save.busy / synced.busy);
        saveSyncedWall.push_back(save.wall / synced.wall);
        loadMs.push_back(load.busy * 1e3);
        saveMs.push_back(save.busy * 1e3);
    }
    state.counters["load_read_cpu"] = median(loadCpu);
    state.counters["load_read_wall"] = median(loadWall);
    state.counters["save_write_cpu"] = median(saveCpu);
    state.counters["save_write_wall"] = median(saveWall);
    state.counters["save_synced_cpu"] = median(saveSyncedCpu);
    state.counters["save_synced_wall"] = median(saveSyncedWall);
    state.counters["load_cpu_ms"] = median(loadMs);
    state.counters["save_cpu_ms"] = median(saveMs);
}
BENCHMARK(againstPlain)->Iterations(15)->Unit(benchmark::kMillisecond);

// The saved file is the record form byte for byte; loaded, it gives back every entry cut
// to its record with its state, and saved again it is the same file.
void roundTrip(benchmark::State& state) {
    const core::LinkList& source = bench::bigList();
    const std::string first = bench::benchFile("first.nva");
    const std::string second = bench::benchFile("second.nva");
    for (auto _ : state) {
        saveAsCommand(source, first);
        if (bench::fileText(first) != bench::listFileBytes()) {
            state.SkipWithError("the saved file is not the record form");
            break;
        }
        core::LinkList loaded;
        core::ListHeader header;
        core::LinkListLoader(loaded, header).load(first);
        if (!bench::sameAsRecords(source, loaded) || header.baseUrl() != bench::kHeader.baseUrl() ||
            header.downloadDirectory() != bench::kHeader.downloadDirectory()) {
            state.SkipWithError("the loaded list differs from the saved one");
            break;
        }
        saveAsCommand(loaded, second);
        if (bench::fileText(second) != bench::listFileBytes()) {
            state.SkipWithError("saved again, the file differs");
        }
    }
}
BENCHMARK(roundTrip)->Iterations(1)->Unit(benchmark::kMillisecond);

// The cost per entry of the entries up to the first tenth and of those after nine tenths,
// taken at the progress reports.
struct TenthClock {
    void report(std::size_t appended) {
        const double now = processorSeconds();
        if (firstCount == 0 && appended >= kEntries / 10) {
            first = now - start;
            firstCount = appended;
        }
        if (lastCount == 0 && appended >= kEntries - kEntries / 10) {
            lastStart = now;
            lastCount = appended;
        }
        end = now;
        shown = std::to_string(appended);
    }
    double ratio() const {
        return ((end - lastStart) / static_cast<double>(kEntries - lastCount)) /
               (first / static_cast<double>(firstCount));
    }
    double start = processorSeconds();
    double first = 0, lastStart = 0, end = 0;
    std::size_t firstCount = 0, lastCount = 0;
    std::string shown;
};

void loadListFile(benchmark::State& state, bool inView) {
    const std::string path = bench::benchFile("saved.nva");
    saveAsCommand(bench::bigList(), path);
    double ratios = 0;
    for (auto _ : state) {
        core::LinkList links;
        std::unique_ptr<ui::LinkListModel> model;
        std::unique_ptr<ui::LinkListView> view;
        if (inView) {
            model = std::make_unique<ui::LinkListModel>(links);
            view = std::make_unique<ui::LinkListView>();
            view->setLinkModel(model.get());
            view->resize(330, 160);
            view->show();
            QCoreApplication::processEvents();
        }
        core::ListHeader header;
        TenthClock clock;
        core::LinkListLoader(links, header).load(path, [&](std::size_t n) { clock.report(n); });
        QCoreApplication::processEvents();
        ratios += clock.ratio();
        if (links.count() != kEntries) {
            state.SkipWithError("the file did not load whole");
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kEntries));
    state.counters["last_to_first_tenth"] = ratios / static_cast<double>(state.iterations());
}

void loadIntoList(benchmark::State& state) {
    loadListFile(state, false);
}
BENCHMARK(loadIntoList)->Unit(benchmark::kMillisecond);

void loadIntoShownList(benchmark::State& state) {
    loadListFile(state, true);
}
BENCHMARK(loadIntoShownList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int status = bench::runOffscreenBenchmarks(argc, argv);
    std::filesystem::remove_all(std::filesystem::path(bench::benchFile("x")).parent_path());
    return status;
}
