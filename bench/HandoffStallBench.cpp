// How long the window's event loop goes unserved while a hand-off waits on a slow or silent
// download manager: a 10 ms heartbeat timer records its gaps during
//  - 10,000 links handed to aria2 through a loopback relay that holds every answer 200 ms;
//  - a Net Vampire DDE service that takes the connection and never answers (the pass runs
//    until the request's time-out).
// Prints the longest gap and the 99th percentile of each run, then the medians.
//
//   aria2c --enable-rpc --rpc-listen-port=6800 --rpc-secret=bench --pause=true
//          --dir=/tmp/aria2-bench -D
//   harvex2_handoff_stall_bench [--rpc-port=6800] [--secret=bench] [--runs=3]

#include "Heartbeat.h"
#include "NoPrompts.h"
#include "QuietPass.h"
#include "UnreachableTargets.h"
#include "core/handoff/AddingPass.h"
#include "core/handoff/NetVampireContract.h"
#include "platform/Shell.h"
#include "platform/posix/CurlJsonRpcConnector.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/LocalEndpoint.h"
#include "platform/posix/SocketDdeClient.h"
#include "ui/platform/QtWindowThread.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

using namespace harvex2;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kLinks = 10000;

using Gaps = bench::Heartbeat::Gaps;

int listenTcp(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), size);
    ::listen(fd, 8);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    return fd;
}

int connectTcp(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    return fd;
}

// Passes bytes both ways between each client and aria2, holding the first piece of every
// answer for the delay. Its threads live as long as the program.
class DelayingRelay {
public:
    DelayingRelay(int upstreamPort, std::chrono::milliseconds delay) {
        const int listener = listenTcp(port_);
        std::thread([listener, upstreamPort, delay] {
            while (true) {
                const int client = ::accept(listener, nullptr, nullptr);
                const int upstream = connectTcp(upstreamPort);
                auto asked = std::make_shared<std::atomic<bool>>(false);
                std::thread([client, upstream, asked] {
                    pump(client, upstream, asked, {});
                }).detach();
                std::thread([client, upstream, asked, delay] {
                    pump(upstream, client, asked, delay);
                }).detach();
            }
        }).detach();
    }
    int port() const { return port_; }

private:
    static void pump(int from, int to, const std::shared_ptr<std::atomic<bool>>& asked,
                     std::chrono::milliseconds delay) {
        char bytes[65536];
        while (true) {
            const ssize_t got = ::recv(from, bytes, sizeof bytes, 0);
            if (got <= 0) {
                ::shutdown(to, SHUT_WR);
                return;
            }
            if (delay.count() == 0) {
                *asked = true;
            } else if (asked->exchange(false)) {
                std::this_thread::sleep_for(delay);
            }
            ::send(to, bytes, static_cast<std::size_t>(got), MSG_NOSIGNAL);
        }
    }

    int port_ = 0;
};

// Takes every connection on the service's socket and never says a word.
class SilentDdeServer {
public:
    explicit SilentDdeServer(const std::string& runtime) {
        const std::string path = platform::LocalEndpoint::path(
            runtime, platform::LocalEndpoint::ddeName(core::NetVampireContract::kDdeService,
                                                      core::NetVampireContract::kDdeTopic));
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener, 8);
        std::thread([listener] {
            while (::accept(listener, nullptr, nullptr) >= 0) {
            }
        }).detach();
    }
};

struct NoShell : platform::Shell {
    bool open(const std::string&, platform::ShowMode) override { return false; }
    bool startCommand(const std::string&) override { return false; }
    bool startProgram(const std::vector<std::string>&) override { return false; }
};

struct Target {
    platform::DdeClient& dde;
    platform::JsonRpcConnector& jsonRpc;
    core::SettingsRecord settings;
};

Gaps runPass(Target& target, platform::RegistryStore& machineStore) {
    bench::QuietWindow window;
    for (std::size_t i = 0; i < kLinks; ++i) {
        window.rows_.append("http://127.0.0.1:9/bench/file" + std::to_string(i),
                            "/tmp/aria2-bench/file" + std::to_string(i), i);
    }
    bench::NoPrompts prompts;
    bench::NoStore userStore;
    ui::QtWindowThread windowThread;
    bench::UnreachableTargets automation;
    core::AddingPass pass(userStore, machineStore, target.dde, automation, target.jsonRpc);
    const core::AddingPassContext context{window.rows_, window,    target.settings, prompts,
                                          windowThread, userStore, machineStore};
    QEventLoop loop;
    bench::Heartbeat heartbeat;
    heartbeat.start();
    pass.start(context, [&loop] { loop.quit(); });
    loop.exec();
    return heartbeat.stop();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* name, const std::vector<Gaps>& runs) {
    std::vector<double> longest;
    std::vector<double> p99;
    for (const Gaps& gaps : runs) {
        std::printf("%-12s longest %8.1f ms  p99 %6.1f ms\n", name, gaps.longestMs, gaps.p99Ms);
        longest.push_back(gaps.longestMs);
        p99.push_back(gaps.p99Ms);
    }
    std::printf("%-12s median longest %8.1f ms  median p99 %6.1f ms\n", name, median(longest),
                median(p99));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    int aria2Port = 6800;
    std::string secret = "bench";
    int runs = 3;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("--rpc-port=")) {
            aria2Port = std::stoi(arg.substr(11));
        } else if (arg.starts_with("--secret=")) {
            secret = arg.substr(9);
        } else if (arg.starts_with("--runs=")) {
            runs = std::stoi(arg.substr(7));
        }
    }
    const std::string runtime =
        std::filesystem::temp_directory_path() / ("harvex2-stall-" + std::to_string(::getpid()));
    std::filesystem::create_directories(runtime);
    // Local endpoints are only looked for in a folder of the user's own.
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    const std::string executable = runtime + "/vampire.exe";
    std::ofstream(executable) << "";
    std::filesystem::create_directories(runtime + "/Data");
    platform::FileRegistryStore machineStore(platform::Hive::LocalMachine,
                                             runtime + "/machine.reg");
    core::NetVampireContract::recordLocation(machineStore, executable);

    NoShell shell;
    platform::SocketDdeClient dde(shell, runtime);
    platform::CurlJsonRpcConnector jsonRpc;
    const DelayingRelay relay(aria2Port, 200ms);
    const SilentDdeServer silent(runtime);

    Target aria2{dde, jsonRpc, {}};
    aria2.settings.mode = core::TargetProgram::Aria2;
    aria2.settings.aria2Url = "http://127.0.0.1:" + std::to_string(relay.port()) + "/jsonrpc";
    aria2.settings.aria2Secret = secret;
    Target netVampire{dde, jsonRpc, {}};
    netVampire.settings.nvdde = true;

    std::vector<Gaps> aria2Runs;
    std::vector<Gaps> ddeRuns;
    for (int run = 0; run < runs; ++run) {
        aria2Runs.push_back(runPass(aria2, machineStore));
        if (aria2.settings.files != static_cast<std::int32_t>(kLinks) * (run + 1)) {
            std::fprintf(stderr, "aria2 did not take every link\n");
            return 1;
        }
        ddeRuns.push_back(runPass(netVampire, machineStore));
    }
    report("aria2 relay", aria2Runs);
    report("silent DDE", ddeRuns);
    std::filesystem::remove_all(runtime);
    return 0;
}
