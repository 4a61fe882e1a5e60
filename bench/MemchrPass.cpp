// The memchr-only pass as a program of its own, so that compare-peers.sh can time it
// beside harvex2-cli and other tools under the same conditions.
#include "BenchPasses.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    const bool readOnly = argc > 1 && std::strcmp(argv[1], "--read-only") == 0;
    long long total = 0;
    for (int i = readOnly ? 2 : 1; i < argc; ++i) {
        total +=
            readOnly ? harvex2::bench::plainRead(argv[i]) : harvex2::bench::memchrPass(argv[i]);
    }
    std::printf("%lld\n", total);
    return 0;
}
