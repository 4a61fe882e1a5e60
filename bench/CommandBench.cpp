// The command target with a trivial program: `harvex2-cli send --command` and the launcher
// alone running `true` once for each of 1,000 links, 4 at a time, beside
// `xargs -P4 -n1 true` over the same list.
//
//   harvex2_command_bench [--benchmark_...]

#include "BenchSupport.h"
#include "platform/posix/SpawnLauncher.h"

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;

constexpr std::size_t kLinks = 1000;
constexpr std::size_t kJobs = 4;

std::string linkAt(std::size_t i) {
    return "http://127.0.0.1:9/bench/file" + std::to_string(i);
}

// The list of links, written once for every bench of the run.
const std::string& listFile() {
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / "harvex2-command-bench-links").string();
        std::ofstream out(file, std::ios::binary);
        for (std::size_t i = 0; i < kLinks; ++i) {
            out << linkAt(i) << '\n';
        }
        return file;
    }();
    return path;
}

void runShell(benchmark::State& state, const std::string& command) {
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError(command.c_str());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLinks));
}

void BM_Xargs(benchmark::State& state) {
    runShell(state, "xargs -P" + std::to_string(kJobs) + " -n1 true < '" + listFile() + "'");
}

void BM_CliCommand(benchmark::State& state) {
    runShell(state, std::string("'") + HARVEX2_CLI_BINARY +
                        "' send --command 'true {url}' --jobs " + std::to_string(kJobs) + " '" +
                        listFile() + "' >/dev/null");
}

void BM_Launcher(benchmark::State& state) {
    platform::SpawnLauncher launcher;
    for (auto _ : state) {
        std::mutex mutex;
        std::condition_variable ended;
        std::size_t left = kLinks;
        std::vector<platform::ProcessJob> jobs;
        for (std::size_t i = 0; i < kLinks; ++i) {
            jobs.push_back({{"true", linkAt(i)}, {}, [&](const platform::ProcessEnd&) {
                                const std::lock_guard lock(mutex);
                                --left;
                                ended.notify_all();
                            }});
        }
        launcher.add(std::move(jobs), {kJobs, std::nullopt});
        std::unique_lock lock(mutex);
        ended.wait(lock, [&] { return left == 0; });
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLinks));
}

BENCHMARK(BM_Xargs)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_CliCommand)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_Launcher)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    const int status = bench::runBenchmarks(argc, argv);
    std::filesystem::remove(listFile());
    return status;
}
