// The quick link scanner and the full reader beside a plain read and a memchr pass over the
// same files, and, where gumbo is installed, an HTML5 parser building the whole tree.
// usage: harvex2_scanner_bench --corpus=DIR [benchmark flags]
// DIR holds the files that make-corpus.sh builds.
#include "BenchPasses.h"
#include "BenchSupport.h"
#include "core/extract/HtmlFile.h"
#include "core/extract/LinkReader.h"
#include "core/extract/LinkScanner.h"
#include "core/extract/SettingsSwitches.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <benchmark/benchmark.h>

#ifdef HARVEX2_BENCH_GUMBO
#include <gumbo.h>
#endif

namespace {

using namespace harvex2;

std::string corpus;

const char* const kFiles[] = {"real.html", "dense.html", "text.txt", "synthetic.html"};

std::string fileOf(const benchmark::State& state) {
    return corpus + "/" + kFiles[state.range(0)];
}

void finish(benchmark::State& state, const std::string& path) {
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    state.SetLabel(kFiles[state.range(0)]);
}

void plainRead(benchmark::State& state) {
    const std::string path = fileOf(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::plainRead(path));
    }
    finish(state, path);
}

void memchrPass(benchmark::State& state) {
    const std::string path = fileOf(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::memchrPass(path));
    }
    finish(state, path);
}

void scanner(benchmark::State& state) {
    const std::string path = fileOf(state);
    const core::SettingsRecord defaults;
    const core::SettingsSwitches switches(defaults);
    std::size_t bytes = 0;
    core::LinkScanner scanner(switches, [&](std::string_view link) { bytes += link.size(); });
    for (auto _ : state) {
        core::HtmlFile file(path);
        benchmark::DoNotOptimize(scanner.scan(file));
    }
    benchmark::DoNotOptimize(bytes);
    finish(state, path);
}

void fullReader(benchmark::State& state) {
    const std::string path = fileOf(state);
    const core::SettingsRecord defaults;
    const core::SettingsSwitches switches(defaults);
    std::size_t bytes = 0;
    core::LinkReader reader(switches, false, [&](std::string_view link) { bytes += link.size(); });
    for (auto _ : state) {
        core::HtmlFile file(path);
        benchmark::DoNotOptimize(reader.scan(file));
    }
    benchmark::DoNotOptimize(bytes);
    finish(state, path);
}

#ifdef HARVEX2_BENCH_GUMBO
// The whole tree of the file, as an HTML5 parser builds it from the file in memory; the
// read is not timed.
void html5Parser(benchmark::State& state) {
    const std::string path = fileOf(state);
    std::ifstream in(path, std::ios::binary);
    const std::string html{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    for (auto _ : state) {
        GumboOutput* output = gumbo_parse_with_options(&options, html.data(), html.size());
        benchmark::DoNotOptimize(output->root);
        gumbo_destroy_output(&options, output);
    }
    finish(state, path);
}
#endif

// The core of a Parse HTML run without a window: the scanner appending to the link list.
void scanIntoLinkList(benchmark::State& state) {
    const std::string path = fileOf(state);
    const core::SettingsRecord defaults;
    const core::SettingsSwitches switches(defaults);
    for (auto _ : state) {
        core::LinkList links;
        core::LinkScanner scanner(switches,
                                  [&](std::string_view link) { links.append(std::string(link)); });
        core::HtmlFile file(path);
        benchmark::DoNotOptimize(scanner.scan(file));
    }
    finish(state, path);
}

void allFiles(benchmark::internal::Benchmark* b) {
    b->DenseRange(0, std::size(kFiles) - 1)->Unit(benchmark::kMillisecond)->MinTime(2.0);
}

BENCHMARK(plainRead)->Apply(allFiles);
BENCHMARK(memchrPass)->Apply(allFiles);
BENCHMARK(scanner)->Apply(allFiles);
BENCHMARK(fullReader)->Apply(allFiles);
#ifdef HARVEX2_BENCH_GUMBO
BENCHMARK(html5Parser)->Apply(allFiles);
#endif
BENCHMARK(scanIntoLinkList)->Apply(allFiles);

} // namespace

int main(int argc, char** argv) {
    return bench::runOnCorpus(argc, argv, kFiles[0], corpus, bench::runBenchmarks);
}
