// Rows per second through the job-file channel with RealiFast on, beside a plain loop that
// writes the same two files per job with one write each: the file system's own limit.

#include "NoPrompts.h"
#include "QuietPass.h"
#include "core/handoff/JobFileChannel.h"
#include "core/handoff/JobFileManager.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/PassRun.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <stdlib.h>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;
namespace fs = std::filesystem;

constexpr int kRows = 10000;

class Scratch {
public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "harvex2-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            throw std::runtime_error("no temporary folder");
        }
        path_ = pattern;
        fs::create_directories(data() + "Jobs");
        fs::create_directories(data() + "State");
    }
    ~Scratch() { fs::remove_all(path_); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::string data() const { return path_ + "/Data/"; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Holds the job counter in memory: what the channel costs without the settings file.
class CounterInMemory : public platform::RegistryStore {
public:
    bool openKey(const std::string&, bool) override { return true; }
    void closeKey() override {}
    bool keyExists(const std::string&) override { return true; }
    bool deleteKey(const std::string&) override { return false; }
    std::vector<std::string> subkeyNames() override { return {}; }
    std::vector<std::string> valueNames() override { return {}; }
    bool valueExists(const std::string&) override { return true; }
    bool deleteValue(const std::string&) override { return false; }
    std::int32_t readInteger(const std::string&) override { return counter_; }
    std::string readString(const std::string&) override { return {}; }
    void writeInteger(const std::string&, std::int32_t value) override { counter_ = value; }
    void writeString(const std::string&, const std::string&) override {}

private:
    std::int32_t counter_ = 0;
};

std::string url(int row) {
    return "http://downloads.example.com/files/part" + std::to_string(row) + ".zip";
}

// One pass per run: what is made before the loop and removed after it is not timed.
void runChannel(benchmark::State& state, const Scratch& scratch, platform::RegistryStore& user) {
    platform::FileRegistryStore machine(platform::Hive::LocalMachine, scratch.file("machine.reg"));
    core::JobFileManager manager(user, machine);
    core::JobFileChannel channel(manager);
    core::AddingRows rows;
    for (int row = 0; row < kRows; ++row) {
        rows.append(url(row), {"/home/me/down/", "part" + std::to_string(row) + ".zip"},
                    core::RowSource{static_cast<std::size_t>(row)});
    }
    bench::QuietWindow window;
    core::SettingsRecord settings;
    settings.realiFast = true;
    bench::NoPrompts prompts;
    test::LoopWindowThread windowThread;
    core::AddingPassContext context{rows, window, settings, prompts, windowThread, user, machine};
    for (auto _ : state) {
        test::runToEnd(channel, context, {"", scratch.data()}, windowThread);
    }
    state.SetItemsProcessed(kRows);
}

void BM_JobFileChannel(benchmark::State& state) {
    const Scratch scratch;
    platform::FileRegistryStore user(platform::Hive::CurrentUser, scratch.file("user.reg"));
    runChannel(state, scratch, user);
}

void BM_JobFileChannelCounterInMemory(benchmark::State& state) {
    const Scratch scratch;
    CounterInMemory user;
    runChannel(state, scratch, user);
}

void writeOnce(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        throw std::runtime_error("cannot write " + path);
    }
    std::fclose(file);
}

void BM_PlainTwoFileWrites(benchmark::State& state) {
    Scratch scratch;
    for (auto _ : state) {
        for (int row = 0; row < kRows; ++row) {
            const std::string job =
                core::JobFileManager::jobName(static_cast<std::uint32_t>(row * 2));
            const std::string location =
                core::JobFileManager::jobName(static_cast<std::uint32_t>(row * 2 + 1));
            writeOnce(scratch.data() + "State/" + job + ".nvc", "[STATE]\r\nState=0\r\n");
            writeOnce(scratch.data() + "Jobs/" + job + ".nvj",
                      "[SETTINGS]\r\nLocID=" + location + "\r\nLocalFolder=/home/me/down/\r\n" +
                          "Title=[Harvex] part" + std::to_string(row) + ".zip\r\n\r\n" +
                          "[LOCATIONS]\r\n" + location + "=" + url(row) + "\r\n");
        }
    }
    state.SetItemsProcessed(kRows);
}

BENCHMARK(BM_JobFileChannel)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseRealTime();
BENCHMARK(BM_JobFileChannelCounterInMemory)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseRealTime();
BENCHMARK(BM_PlainTwoFileWrites)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
