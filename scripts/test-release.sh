#!/usr/bin/env bash
# Builds the program optimised, as users build it, without sanitizers, and runs the whole
# test suite on that build: a test that holds only while the code runs slowly fails here.
# The benchmarks are built too, not run, so that a change cannot leave them behind.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-release"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHARVEX2_WERROR=ON \
    -DHARVEX2_BUILD_BENCH=ON -DHARVEX2_BUILD_FUZZ=OFF >/dev/null
cmake --build "$build"
cd "$build"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
