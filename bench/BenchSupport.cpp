#include "BenchSupport.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

namespace harvex2::bench {

namespace {
constexpr std::string_view kCorpusOption = "--corpus=";
}

int runOnCorpus(int argc, char** argv, const std::string& probe, std::string& corpus,
                int (*run)(int argc, char** argv)) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with(kCorpusOption)) {
            corpus = arg.substr(kCorpusOption.size());
        } else {
            rest.push_back(argv[i]);
        }
    }
    if (corpus.empty() || !std::filesystem::exists(corpus + "/" + probe)) {
        std::fprintf(stderr,
                     "usage: %s --corpus=DIR [benchmark flags]\n"
                     "DIR: the output folder of make-corpus.sh\n",
                     argv[0]);
        return 2;
    }
    return run(static_cast<int>(rest.size()), rest.data());
}

int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace harvex2::bench
