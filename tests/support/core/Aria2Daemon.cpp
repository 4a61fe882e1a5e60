#include "support/core/Aria2Daemon.h"

#include "core/handoff/Aria2Session.h"
#include "platform/posix/CurlJsonRpcConnector.h"
#include "support/core/TempFolder.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <netinet/in.h>
#include <spawn.h>
#include <stdexcept>
#include <string_view>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace harvex2::test {

using namespace std::chrono_literals;

namespace {

// Until `done` holds, for at most ten seconds.
template <class Done> bool waitFor(Done done) {
    for (int i = 0; i < 200; ++i) {
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

} // namespace

Aria2Daemon::Aria2Daemon(const std::string& folder, std::vector<std::string> extraOptions)
    : port_(freePort()) {
    std::vector<std::string> args = {"aria2c",
                                     "--no-conf",
                                     "--quiet",
                                     "--enable-rpc",
                                     "--rpc-listen-all=false",
                                     "--rpc-listen-port=" + std::to_string(port_),
                                     std::string("--rpc-secret=") + kSecret,
                                     "--dir=" + folder,
                                     "--auto-file-renaming=false",
                                     "--max-concurrent-downloads=16"};
    for (const std::string& option : extraOptions) {
        constexpr std::string_view kCertificate = "--rpc-certificate=";
        if (option.starts_with(kCertificate)) {
            certificate_ = option.substr(kCertificate.size());
            args.push_back("--rpc-secure=true");
        }
    }
    args.insert(args.end(), extraOptions.begin(), extraOptions.end());
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    if (::posix_spawnp(&pid_, "aria2c", nullptr, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("cannot start aria2c");
    }
    waitUntilAnswering();
}

Aria2Daemon::~Aria2Daemon() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        if (!waitFor([this] { return ::waitpid(pid_, nullptr, WNOHANG) == pid_; })) {
            kill();
        }
    }
}

void Aria2Daemon::kill() {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

void Aria2Daemon::waitUntilAnswering() const {
    platform::CurlJsonRpcConnector connector;
    const bool ready = waitFor([&] {
        const auto client = connector.open({url(), certificate_}, 1s);
        return core::Aria2Session(*client, kSecret).greet() == core::Aria2Failure::None;
    });
    if (!ready) {
        throw std::runtime_error("aria2c did not answer on " + url());
    }
}

int Aria2Daemon::freePort() {
    const int probe = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(probe, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}

bool Aria2Daemon::arrives(const std::string& path, const std::string& bytes) {
    return waitFor([&] {
        return std::filesystem::exists(path) && !std::filesystem::exists(path + ".aria2") &&
               TempFolder::read(path) == bytes;
    });
}

} // namespace harvex2::test
