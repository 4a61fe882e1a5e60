#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace harvex2::test {

// A real aria2c with its JSON-RPC interface on loopback, a free port and a secret token,
// saving into `folder`. Ready when constructed; stopped, killed if need be, when destroyed.
// With "--rpc-certificate=FILE" among the options it answers over https, its certificate
// checked against FILE.
class Aria2Daemon {
public:
    static constexpr const char* kSecret = "harvex2-test-token";

    explicit Aria2Daemon(const std::string& folder, std::vector<std::string> extraOptions = {});
    ~Aria2Daemon();
    Aria2Daemon(const Aria2Daemon&) = delete;
    Aria2Daemon& operator=(const Aria2Daemon&) = delete;

    std::string url() const {
        return (certificate_.empty() ? "http" : "https") + std::string("://127.0.0.1:") +
               std::to_string(port_) + "/jsonrpc";
    }
    // Ends aria2 at once, as a crash would.
    void kill();

    static int freePort();
    // Whether `path` holds exactly `bytes` within a few seconds, aria2 done with it.
    static bool arrives(const std::string& path, const std::string& bytes);

private:
    void waitUntilAnswering() const;

    int port_;
    std::string certificate_;
    pid_t pid_ = -1;
};

} // namespace harvex2::test
