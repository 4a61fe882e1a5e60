// Saving and loading a link list file of a million entries, beside a plain write and a
// plain read of the same bytes in the same run: what the records, the list and the status
// texts add to the file's own cost. Loading also reports the cost per entry of the last
// tenth of the file against the first tenth, with and without a view showing the list:
// a load that stays flat keeps it near 1.
#include "OffscreenBench.h"
#include "core/listfiles/LinkListFileWriter.h"
#include "core/listfiles/LinkListLoader.h"
#include "core/listfiles/ListHeader.h"
#include "core/shell/LinkList.h"
#include "platform/posix/ReplacingFile.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;

constexpr std::size_t kEntries = 1'000'000;

double processorSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

const std::string& benchFile(const char* name) {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "harvex2-list-bench";
        std::filesystem::create_directories(path);
        return path.string();
    }();
    static std::string path;
    path = folder + "/" + name;
    return path;
}

const core::LinkList& bigList() {
    static const core::LinkList links = [] {
        core::LinkList list;
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < kEntries; ++i) {
            texts.push_back("http://www.example.com/files/archive-" + std::to_string(i) + ".zip");
        }
        list.appendAll(std::move(texts));
        for (std::size_t i = 0; i < kEntries; i += 3) {
            list.setChecked(i, true);
        }
        return list;
    }();
    return links;
}

const core::ListHeader kHeader("http://www.example.com/", "/home/user/downloads");

// What the status bar costs a save or a load: the number as text.
std::string shown;

void saveListFile(benchmark::State& state) {
    const core::LinkList& links = bigList();
    const std::string path = benchFile("saved.nva");
    for (auto _ : state) {
        platform::ReplacingFile out(path);
        core::LinkListFileWriter::write(out, kHeader, links,
                                        [](std::size_t at) { shown = std::to_string(at); });
        out.commit();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kEntries));
}
BENCHMARK(saveListFile)->Unit(benchmark::kMillisecond);

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void plainWrite(benchmark::State& state) {
    const std::string bytes = fileBytes(benchFile("saved.nva"));
    const std::string path = benchFile("plain.nva");
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(plainWrite)->Unit(benchmark::kMillisecond);

void plainRead(benchmark::State& state) {
    const std::string path = benchFile("saved.nva");
    std::string buffer(1 << 16, '\0');
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        std::size_t total = 0;
        while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file)) {
            total += got;
        }
        std::fclose(file);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(plainRead)->Unit(benchmark::kMillisecond);

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
};

void loadListFile(benchmark::State& state, bool inView) {
    const std::string path = benchFile("saved.nva");
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
    std::filesystem::remove_all(std::filesystem::path(benchFile("x")).parent_path());
    return status;
}
