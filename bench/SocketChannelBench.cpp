// Rows per second through the DDE channel and the ReGet pass against the test servers on
// local sockets, beside bare round trips of the same frames over one connection: what the
// socket itself costs.

#include "NoPrompts.h"
#include "QuietPass.h"
#include "core/handoff/DdeChannel.h"
#include "core/handoff/ReGetPass.h"
#include "platform/Shell.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/FrameSocket.h"
#include "platform/posix/SocketAutomation.h"
#include "platform/posix/SocketDdeClient.h"
#include "support/core/PassRun.h"
#include "support/servers/ScriptedAutomationServer.h"
#include "support/servers/ScriptedDdeServer.h"

#include <filesystem>
#include <stdexcept>
#include <stdlib.h>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;
namespace fs = std::filesystem;

constexpr int kRows = 10000;
constexpr std::chrono::seconds kWait{10};

class Runtime {
public:
    Runtime() {
        std::string pattern = (fs::temp_directory_path() / "harvex2-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            throw std::runtime_error("no temporary folder");
        }
        path_ = pattern;
    }
    ~Runtime() { fs::remove_all(path_); }
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Nothing is started: the servers listen before the pass begins.
struct NoShell : platform::Shell {
    bool open(const std::string&, platform::ShowMode) override { return false; }
    bool startCommand(const std::string&) override { return false; }
    bool startProgram(const std::vector<std::string>&) override { return false; }
};

struct Pass {
    explicit Pass(const Runtime& runtime)
        : store(platform::Hive::LocalMachine, runtime.path() + "/machine.reg") {
        for (int row = 0; row < kRows; ++row) {
            rows.append("http://downloads.example.com/files/part" + std::to_string(row) + ".zip",
                        {"/home/me/down/", "part" + std::to_string(row) + ".zip"},
                        core::RowSource{static_cast<std::size_t>(row)});
        }
    }

    platform::FileRegistryStore store;
    core::AddingRows rows;
    bench::QuietWindow window;
    core::SettingsRecord settings;
    bench::NoPrompts prompts;
    test::LoopWindowThread windowThread;
    core::AddingPassContext context{rows, window, settings, prompts, windowThread, store, store};
    NoShell shell;
};

void BM_DdeChannel(benchmark::State& state) {
    const Runtime runtime;
    test::ScriptedDdeServer server(runtime.path());
    Pass pass(runtime);
    platform::SocketDdeClient client(pass.shell, runtime.path());
    core::DdeChannel channel(client);
    for (auto _ : state) {
        test::runToEnd(channel, pass.context, {"/opt/nv/vampire.exe", "/opt/nv/Data/"},
                       pass.windowThread);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_DdeBareRoundTrips(benchmark::State& state) {
    const Runtime runtime;
    test::ScriptedDdeServer server(runtime.path());
    Pass pass(runtime);
    const std::string path = platform::LocalEndpoint::path(
        runtime.path(), platform::LocalEndpoint::ddeName("VAMPIRE", "WWW_OpenURL"));
    for (auto _ : state) {
        auto socket = platform::FrameSocket::connectTo(path);
        for (std::size_t row = 0; row < pass.rows.count(); ++row) {
            const auto deadline = platform::FrameSocket::Clock::now() + kWait;
            socket.send('R', core::DdeChannel::requestItem(pass.rows.at(row)), deadline);
            benchmark::DoNotOptimize(socket.receive(65536, deadline));
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_ReGetPass(benchmark::State& state) {
    const Runtime runtime;
    test::ScriptedAutomationServer server(runtime.path());
    Pass pass(runtime);
    platform::SocketAutomation automation(pass.store, pass.shell, runtime.path());
    core::ReGetPass reGet(automation);
    for (auto _ : state) {
        test::runToEnd(reGet, pass.context, pass.windowThread);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_AutomationBareRoundTrips(benchmark::State& state) {
    const Runtime runtime;
    test::ScriptedAutomationServer server(runtime.path());
    Pass pass(runtime);
    const std::string path = platform::LocalEndpoint::path(
        runtime.path(), platform::LocalEndpoint::automationName("ReGet.UrlList.1"));
    for (auto _ : state) {
        auto socket = platform::FrameSocket::connectTo(path);
        auto deadline = platform::FrameSocket::Clock::now() + kWait;
        socket.send('C', "ReGet.UrlList.1", deadline);
        benchmark::DoNotOptimize(socket.receive(64, deadline));
        for (std::size_t row = 0; row < pass.rows.count(); ++row) {
            deadline = platform::FrameSocket::Clock::now() + kWait;
            socket.send('M',
                        "Add" + std::string(1, '\0') +
                            core::ReGetPass::callText(pass.rows.at(row).url),
                        deadline);
            benchmark::DoNotOptimize(socket.receive(65536, deadline));
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

} // namespace

BENCHMARK(BM_DdeChannel)->Unit(benchmark::kMillisecond)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_DdeBareRoundTrips)->Unit(benchmark::kMillisecond)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_ReGetPass)->Unit(benchmark::kMillisecond)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_AutomationBareRoundTrips)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->UseRealTime();

BENCHMARK_MAIN();
