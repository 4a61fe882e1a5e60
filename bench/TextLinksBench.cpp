// The text link finder over 100 MB of prose with a link every 200 bytes, beside a memchr
// pass for ':' over the same bytes in memory.
// usage: harvex2_text_links_bench [benchmark flags]
#include "BenchSupport.h"
#include "core/extract/MemorySource.h"
#include "core/extract/TextLinks.h"

#include <cstring>
#include <string>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;

// Sentences with commas, full stops, a "www" word and brackets, cut to make room for one
// link in every 200 bytes; the links vary in kind and in length.
const std::string& text() {
    static const std::string bytes = [] {
        const std::string prose = "The quick brown fox (who knew?) jumps over the lazy dog, "
                                  "twice. Owls wow www users; see below. ";
        const std::string filler = prose + prose + prose;
        const char* const links[] = {"http://example.com/path/to/page.html",
                                     "https://www.example.org/a_(b)?q=1&r=$2",
                                     "www.example.net/docs/", "ftp://files.example.com/pub/x.tar"};
        std::string out;
        out.reserve(100u << 20);
        for (std::size_t i = 0; out.size() < (100u << 20); ++i) {
            const std::string link = links[i % 4];
            out.append(filler, 0, 200 - link.size() - 3).append(" ").append(link).append(".\n");
        }
        return out;
    }();
    return bytes;
}

void finish(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text().size()));
}

void memchrColons(benchmark::State& state) {
    const std::string& bytes = text();
    for (auto _ : state) {
        std::size_t colons = 0;
        const char* at = bytes.data();
        const char* const end = at + bytes.size();
        while ((at = static_cast<const char*>(
                    std::memchr(at, ':', static_cast<std::size_t>(end - at)))) != nullptr) {
            ++colons;
            ++at;
        }
        benchmark::DoNotOptimize(colons);
    }
    finish(state);
}

void findInText(benchmark::State& state) {
    std::size_t bytes = 0;
    core::TextLinks finder([&](std::string_view link) { bytes += link.size(); });
    for (auto _ : state) {
        benchmark::DoNotOptimize(finder.find(text()));
    }
    benchmark::DoNotOptimize(bytes);
    finish(state);
}

// Through the reading buffer, as extract --text reads a file.
void scanSource(benchmark::State& state) {
    std::size_t bytes = 0;
    core::TextLinks finder([&](std::string_view link) { bytes += link.size(); });
    for (auto _ : state) {
        core::MemorySource source(text());
        benchmark::DoNotOptimize(finder.scan(source));
    }
    benchmark::DoNotOptimize(bytes);
    finish(state);
}

BENCHMARK(memchrColons)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(findInText)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(scanSource)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv);
}
