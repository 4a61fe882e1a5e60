#pragma once

#include <optional>
#include <string>
#include <vector>

namespace harvex2::bench {

// The command line of a bench over the files of make-corpus.sh: the folder named by
// "--corpus=DIR", and the other arguments (the program's name first) for the benchmark
// library.
struct CorpusArguments {
    std::string corpus;
    std::vector<char*> rest;
};

// Empty, after the usage is printed, when no folder is named or it lacks the file `probe`.
std::optional<CorpusArguments> corpusArguments(int argc, char** argv, const std::string& probe);

// Runs the registered benchmarks with the arguments left for them; returns the exit status
// of the program.
int runBenchmarks(int argc, char** argv);

} // namespace harvex2::bench
