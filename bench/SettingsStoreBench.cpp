// What the settings store costs a start and an exit of the program: the settings record and
// the main window's two histories loaded, then the record saved with the window moved,
// through a fresh store each time, as each run of the program does. Beside it a plain read of
// the same file and one write of it: the least any start and exit that change it can cost.
// The file holds as many sequence profiles as it takes to reach the size (20 KB and 20 MB).

#include "core/shell/MruHistory.h"
#include "core/shell/SettingsStorage.h"
#include "platform/posix/FileRegistryStore.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;
namespace fs = std::filesystem;

class Scratch {
public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "harvex2-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            throw std::runtime_error("no temporary folder");
        }
        path_ = pattern;
    }
    ~Scratch() { fs::remove_all(path_); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string dword(const char* name, int value) {
    char line[64];
    std::snprintf(line, sizeof line, "\"%s\"=dword:%08x\r\n", name, value);
    return line;
}

// The program's own keys as a run leaves them (or none, as before its first run), then
// sequence profiles up to `size` bytes.
std::string settingsFile(std::size_t size, bool programKeys) {
    const std::string root = "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex";
    std::string text = "Windows Registry Editor Version 5.00\r\n\r\n";
    if (programKeys) {
        text +=
            root + "]\r\n\"LastRunVersion\"=\"1.42\"\r\n\r\n" + root + "\\MRU\\Main\\BaseURL]\r\n" +
            dword("MRUSize", 0) + "\r\n" + root + "\\MRU\\Main\\Dir]\r\n" + dword("MRUSize", 0) +
            "\r\n" + root + "\\Position]\r\n" + dword("Left", 197) + dword("Top", 184) +
            dword("Height", 411) + dword("Width", 376) + dword("TidyUp", 0) + dword("NVDDE", 0) +
            dword("NVJobDefault", 0) + dword("RealiFast", 0) + "\r\n" + root + "\\Settings]\r\n" +
            dword("IgnoreMailTo", 1) + dword("IgnoreBookmarks", 1) + dword("QLinks", 1) +
            dword("Files", 5) + dword("Mode", 0) + dword("Remember", 1) + dword("ACAS", 1) + "\r\n";
    }
    for (int profile = 0; text.size() < size; ++profile) {
        const std::string number = std::to_string(profile);
        text += root + "\\Seq\\Gallery " + number + "]\r\n\"URL\"=\"http://www.example.com/" +
                "pictures/gallery" + number + "/image|||.jpg\"\r\n" + dword("CharDigit", 0) +
                "\"DownloadDir\"=\"/home/user/Downloads/gallery" + number + "\"\r\n" +
                dword("Zeros", 1) + "\"ZerosCount\"=\"3\"\r\n" + dword("NV", 1) +
                "\"Start\"=\"1\"\r\n\"End\"=\"250\"\r\n\"Step\"=\"1\"\r\n\r\n";
    }
    return text;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void startAndExit(const std::string& path, int run) {
    platform::FileRegistryStore store(platform::Hive::CurrentUser, path);
    core::SettingsStorage storage(store);
    core::SettingsRecord record = storage.LoadSettings(core::WindowRect{});
    benchmark::DoNotOptimize(core::MruHistory::load(store, core::mru::kMainBaseUrl));
    benchmark::DoNotOptimize(core::MruHistory::load(store, core::mru::kMainDir));
    record.files += 1;
    storage.SaveSettings(record, core::WindowRect{run % 100, 184, 376, 411}, "1.42");
}

// range(1): whether the file holds the program's keys. A run that finds them writes the
// files-added counter and the window's new place; one that does not writes every value.
void BM_StartAndExit(benchmark::State& state) {
    const Scratch scratch;
    const std::string path = scratch.file("user.reg");
    const std::string bytes =
        settingsFile(static_cast<std::size_t>(state.range(0)), state.range(1) != 0);
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(path, bytes);
        state.ResumeTiming();
        startAndExit(path, ++run);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_PlainReadAndWrite(benchmark::State& state) {
    const Scratch scratch;
    const std::string path = scratch.file("user.reg");
    writeFile(path, settingsFile(static_cast<std::size_t>(state.range(0)), true));
    for (auto _ : state) {
        const std::string bytes = readFile(path);
        writeFile(path + ".tmp", bytes);
        fs::rename(path + ".tmp", path);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_StartAndExit)
    ->ArgsProduct({{20 << 10, 20 << 20}, {1, 0}})
    ->ArgNames({"bytes", "programKeys"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadAndWrite)
    ->Arg(20 << 10)
    ->Arg(20 << 20)
    ->ArgNames({"bytes"})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
