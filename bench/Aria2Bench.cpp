// 10,000 links handed to a running aria2 whose downloads are paused, so that only the
// hand-off is measured: the Adding window's aria2 pass (bare, and with every row named by a
// mask and given its page as referrer) and `harvex2-cli send`, beside a
// bare libcurl loop posting the same addUri calls in batches (aria2's own intake is the
// limit) and the same loop posting one call per request.
//
//   aria2c --enable-rpc --rpc-listen-port=6800 --rpc-secret=bench --pause=true
//          --dir=/tmp/aria2-bench -D
//   harvex2_aria2_bench [--rpc=URL] [--secret=S] [--benchmark_...]

#include "NoPrompts.h"
#include "QuietPass.h"
#include "core/handoff/AddingPass.h"
#include "core/handoff/Aria2Pass.h"
#include "core/handoff/Aria2Session.h"
#include "core/handoff/Referrer.h"
#include "core/handoff/RowNaming.h"
#include "core/shell/LinkList.h"
#include "platform/posix/CurlJsonRpcConnector.h"
#include "support/core/PassRun.h"

#include <cstdio>
#include <cstdlib>
#include <curl/curl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using namespace harvex2;

constexpr std::size_t kLinks = 10000;
std::string gUrl = "http://127.0.0.1:6800/jsonrpc";
std::string gSecret = "bench";

std::string linkAt(std::size_t i) {
    return "http://127.0.0.1:9/bench/file" + std::to_string(i);
}
core::SavePlace placeAt(std::size_t i) {
    return {"/tmp/aria2-bench/", "file" + std::to_string(i)};
}

// `named`: the rows are named by a mask from their entries, and each gets its page as
// referrer, as the Add command does before the pass; that naming is timed with the pass.
void windowPass(benchmark::State& state, bool named) {
    platform::CurlJsonRpcConnector connector;
    bench::NoStore store;
    core::LinkList links;
    for (std::size_t i = 0; i < kLinks; ++i) {
        links.append(linkAt(i), "http://127.0.0.1:9/bench/page" + std::to_string(i % 50));
    }
    for (auto _ : state) {
        state.PauseTiming();
        bench::QuietWindow window;
        for (std::size_t i = 0; i < kLinks; ++i) {
            window.rows_.append(linkAt(i), placeAt(i), core::RowSource{i, links.idAt(i)});
        }
        core::SettingsRecord settings;
        settings.aria2Url = gUrl;
        settings.aria2Secret = gSecret;
        settings.nameMask = named ? "*host*/*subdirs*/*y*-*m*-*d*_*num*_*name*.bin" : "";
        settings.referrer = static_cast<std::int32_t>(named ? core::Referrer::Kind::Page
                                                            : core::Referrer::Kind::None);
        bench::NoPrompts prompts;
        test::LoopWindowThread windowThread;
        core::AddingPassContext context{window.rows_, window, settings, prompts,
                                        windowThread, store,  store};
        core::Aria2Pass pass(connector);
        state.ResumeTiming();
        core::RowNaming::apply(window.rows_, links, settings,
                               {{}, "/tmp/aria2-bench", core::HandoffDate::local(0)});
        test::runToEnd(pass, context, windowThread);
        if (settings.files != static_cast<std::int32_t>(kLinks)) {
            state.SkipWithError("aria2 did not take every link");
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLinks));
}

void BM_WindowPass(benchmark::State& state) {
    windowPass(state, false);
}
void BM_WindowPassNamed(benchmark::State& state) {
    windowPass(state, true);
}

void BM_CliSend(benchmark::State& state) {
    const std::string list =
        (std::filesystem::temp_directory_path() / "harvex2-bench-links").string();
    {
        std::ofstream out(list, std::ios::binary);
        for (std::size_t i = 0; i < kLinks; ++i) {
            out << linkAt(i) << '\n';
        }
    }
    const std::string command = std::string("'") + HARVEX2_CLI_BINARY + "' send --aria2 --rpc '" +
                                gUrl + "' --dir /tmp/aria2-bench '" + list + "' >/dev/null";
    ::setenv("HARVEX2_ARIA2_SECRET", gSecret.c_str(), 1);
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("harvex2-cli send failed");
        }
    }
    std::filesystem::remove(list);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLinks));
}

std::size_t discard(char*, std::size_t size, std::size_t count, void*) {
    return size * count;
}

// The same addUri calls, written by hand, `batch` to a request over one handle; answers are
// not read beyond their arrival.
void bareLoop(benchmark::State& state, std::size_t batch) {
    CURL* handle = curl_easy_init();
    curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/json");
    curl_easy_setopt(handle, CURLOPT_URL, gUrl.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &discard);
    for (auto _ : state) {
        for (std::size_t first = 0; first < kLinks; first += batch) {
            std::string body = "[";
            for (std::size_t i = first; i < first + batch && i < kLinks; ++i) {
                body += (i == first ? "" : ",");
                body += R"({"jsonrpc":"2.0","id":)" + std::to_string(i) +
                        R"(,"method":"aria2.addUri","params":["token:)" + gSecret + R"(",[")" +
                        linkAt(i) + R"("],{"dir":"/tmp/aria2-bench","out":"file)" +
                        std::to_string(i) + R"("}]})";
            }
            body += "]";
            curl_easy_setopt(handle, CURLOPT_POSTFIELDS, body.c_str());
            if (curl_easy_perform(handle) != CURLE_OK) {
                state.SkipWithError("aria2 cannot be reached");
                break;
            }
        }
    }
    curl_slist_free_all(headers);
    curl_easy_cleanup(handle);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLinks));
}

void BM_BareBatchedLoop(benchmark::State& state) {
    bareLoop(state, core::Aria2Session::kBatchSize);
}
void BM_BareOneRequestPerLink(benchmark::State& state) {
    bareLoop(state, 1);
}

BENCHMARK(BM_BareBatchedLoop)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_WindowPass)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_WindowPassNamed)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_CliSend)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_BareOneRequestPerLink)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("--rpc=")) {
            gUrl = arg.substr(6);
        } else if (arg.starts_with("--secret=")) {
            gSecret = arg.substr(9);
        } else {
            rest.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(rest.size());
    benchmark::Initialize(&count, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
