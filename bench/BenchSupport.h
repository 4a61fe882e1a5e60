#pragma once

#include <string>

namespace harvex2::bench {

// Runs a bench over the files of make-corpus.sh: takes "--corpus=DIR" out of the arguments
// into `corpus` and hands the rest (the program's name first) to `run`. Prints the usage
// instead when no folder is named or it lacks the file `probe`. Returns the exit status of
// the program.
int runOnCorpus(int argc, char** argv, const std::string& probe, std::string& corpus,
                int (*run)(int argc, char** argv));

// Runs the registered benchmarks with the arguments left for them; returns the exit status
// of the program.
int runBenchmarks(int argc, char** argv);

} // namespace harvex2::bench
