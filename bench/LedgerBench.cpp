// The ledger at ten million entries: loading its file beside a plain read of the same
// bytes, lookups at a hundred thousand and at ten million entries, and marking a list of a
// million links beside putting the same links in canonical form.
#include "BenchSupport.h"
#include "core/ledger/Ledger.h"
#include "core/ledger/LedgerLine.h"
#include "core/shell/CanonicalLink.h"
#include "core/shell/LinkList.h"
#include "platform/posix/ReadingFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using harvex2::core::Ledger;
using harvex2::core::LedgerLine;

constexpr std::int64_t kStart = 1796738523; // 2026-12-08T14:02:03Z
constexpr std::int64_t kLarge = 10'000'000;
constexpr std::int64_t kSmall = 100'000;
constexpr std::int64_t kListed = 1'000'000;

std::string linkText(std::int64_t i) {
    return "https://files" + std::to_string(i % 997) + ".example.com/archive/2026/" +
           std::to_string(i) + "/picture-" + std::to_string(i * 7) + ".jpg";
}

// A ledger file of `entries` links sent to two targets, made once per run.
class LedgerFile {
public:
    explicit LedgerFile(std::int64_t entries) {
        char folder[] = "/tmp/harvex2-ledger-XXXXXX";
        folder_ = ::mkdtemp(folder);
        path_ = folder_ + "/sent";
        std::FILE* out = std::fopen(path_.c_str(), "w");
        for (std::int64_t i = 0; i < entries; ++i) {
            // A hundred links a second, as a hand-off of a long list sends them.
            const std::string line = LedgerLine::formatTime(kStart + i / 100) + "\tsent\t" +
                                     std::string(i % 3 ? "aria2" : "ReGet") + "\t" + linkText(i) +
                                     "\n";
            std::fwrite(line.data(), 1, line.size(), out);
        }
        std::fclose(out);
    }
    ~LedgerFile() { std::filesystem::remove_all(folder_); }
    const std::string& path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
};

const LedgerFile& largeFile() {
    static const LedgerFile file(kLarge);
    return file;
}

const Ledger& loaded(std::int64_t entries) {
    static const LedgerFile small(kSmall);
    static const auto load = [](const std::string& path) {
        auto ledger = std::make_unique<Ledger>(path);
        ledger->load();
        return ledger;
    };
    static const auto smallLedger = load(small.path());
    static const auto largeLedger = load(largeFile().path());
    return entries == kSmall ? *smallLedger : *largeLedger;
}

// The baseline: the same file read in the same pieces, its lines counted.
void plainRead(benchmark::State& state) {
    std::vector<char> piece(std::size_t{1} << 22);
    for (auto _ : state) {
        harvex2::platform::ReadingFile in(largeFile().path());
        std::size_t lines = 0;
        while (const std::size_t got = in.read(piece.data(), piece.size())) {
            for (const char* at = piece.data();
                 (at = static_cast<const char*>(
                      std::memchr(at, '\n', static_cast<std::size_t>(piece.data() + got - at))));
                 ++at) {
                ++lines;
            }
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(plainRead)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void load(benchmark::State& state) {
    for (auto _ : state) {
        Ledger ledger(largeFile().path());
        ledger.load();
        state.counters["entries"] = static_cast<double>(ledger.size());
        state.counters["bytes_per_entry"] =
            static_cast<double>(ledger.memoryBytes()) / static_cast<double>(ledger.size());
    }
}
BENCHMARK(load)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

// A million questions, every other one about a link that was sent.
void lookup(benchmark::State& state) {
    const Ledger& ledger = loaded(state.range(0));
    std::vector<std::string> asked;
    for (std::int64_t i = 0; i < kListed; ++i) {
        asked.push_back(linkText(i % 2 ? (i * 7919) % state.range(0) : kLarge + i));
    }
    for (auto _ : state) {
        std::size_t sent = 0;
        for (const std::string& link : asked) {
            sent += ledger.wasSent(link, "aria2");
        }
        benchmark::DoNotOptimize(sent);
    }
    state.SetItemsProcessed(state.iterations() * kListed);
}
BENCHMARK(lookup)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);

harvex2::core::LinkList listOfAMillion() {
    harvex2::core::LinkList links;
    std::vector<std::string> texts;
    for (std::int64_t i = 0; i < kListed; ++i) {
        texts.push_back(linkText(i % 2 ? (i * 7919) % kLarge : kLarge + i));
    }
    links.appendAll(std::move(texts));
    return links;
}

void markList(benchmark::State& state) {
    const Ledger& ledger = loaded(kLarge);
    const harvex2::core::LinkList links = listOfAMillion();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ledger.markSent(links, {}));
    }
    state.SetItemsProcessed(state.iterations() * kListed);
}
BENCHMARK(markList)->Unit(benchmark::kMillisecond);

// The baseline of marking: the same links put in canonical form, nothing looked up.
void plainCanonicalForms(benchmark::State& state) {
    const harvex2::core::LinkList links = listOfAMillion();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (std::size_t i = 0; i < links.count(); ++i) {
            bytes += harvex2::core::CanonicalLink::of(links.textAt(i), {}).size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kListed);
}
BENCHMARK(plainCanonicalForms)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return harvex2::bench::runBenchmarks(argc, argv);
}
