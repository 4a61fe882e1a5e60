#!/usr/bin/env bash
# Installs what is missing, builds Harvex2 and starts it; arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHARVEX2_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build" --target harvex2
exec "$root/build/src/harvex2" "$@"
