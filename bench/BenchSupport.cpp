#include "BenchSupport.h"

#include <cstdio>
#include <filesystem>
#include <string_view>

#include <benchmark/benchmark.h>

namespace harvex2::bench {

namespace {
constexpr std::string_view kCorpusOption = "--corpus=";
}

std::optional<CorpusArguments> corpusArguments(int argc, char** argv, const std::string& probe) {
    CorpusArguments arguments;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with(kCorpusOption)) {
            arguments.corpus = arg.substr(kCorpusOption.size());
        } else {
            arguments.rest.push_back(argv[i]);
        }
    }
    if (arguments.corpus.empty() || !std::filesystem::exists(arguments.corpus + "/" + probe)) {
        std::fprintf(stderr,
                     "usage: %s --corpus=DIR [benchmark flags]\n"
                     "DIR: the output folder of make-corpus.sh\n",
                     argv[0]);
        return std::nullopt;
    }
    return arguments;
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
