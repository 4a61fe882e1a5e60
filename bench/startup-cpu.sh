#!/bin/bash
# The processor time (user + system) of starting the program and closing it right after
# start-up, as a first run does: fresh, empty config, data, state and cache folders each
# time. Reports the median and the largest of RUNS runs (default 9) on the offscreen
# platform and, where xvfb-run is installed, on an X server; only the program's own time
# counts, not the X server's. The limit is 150 ms.
#
# usage: startup-cpu.sh BUILD_DIR [RUNS]
#   BUILD_DIR   a Release build (the program is BUILD_DIR/src/harvex2)
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [RUNS]" >&2
    exit 2
fi
program=$(realpath "$1/src/harvex2")
runs=${2:-9}
[ -x "$program" ] || { echo "$0: $program is missing; build it first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run in a clean environment; appends "cpu_ms wall_ms" to the file $2.
run_once() {
    local home
    home=$(mktemp -d "$work/home.XXXXXX")
    mkdir -p "$home/config" "$home/data" "$home/state" "$home/cache" "$home/run"
    chmod 700 "$home/run"
    local -a clean=(env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/config"
        XDG_DATA_HOME="$home/data" XDG_STATE_HOME="$home/state" XDG_CACHE_HOME="$home/cache"
        XDG_RUNTIME_DIR="$home/run" HARVEX2_CLOSE_AFTER_START=1)
    local timed="TIMEFORMAT='%3U %3S %3R'; time \"$program\" >/dev/null 2>&1"
    local times
    if [ "$1" = offscreen ]; then
        times=$("${clean[@]}" QT_QPA_PLATFORM=offscreen bash -c "$timed" 2>&1)
    else
        times=$("${clean[@]}" xvfb-run -a bash -c "$timed" 2>&1)
    fi
    # A run that did not get through start-up and exit leaves no settings behind.
    if [ ! -s "$home/config/harvex2/user.reg" ]; then
        echo "$0: the $1 run saved no settings" >&2
        exit 1
    fi
    echo "$times" | tail -n 1 | awk '{ printf "%.0f %.0f\n", ($1 + $2) * 1000, $3 * 1000 }' >> "$2"
    rm -rf "$home"
}

report() {
    local platform=$1
    local file="$work/$platform.txt"
    for ((i = 0; i < runs; ++i)); do
        run_once "$platform" "$file"
    done
    sort -n "$file" | awk -v name="$platform" '
        { cpu[NR] = $1; wall[NR] = $2 }
        END { m = int((NR + 1) / 2)
              printf "%-9s cpu median %4d ms  max %4d ms  (wall of the median run %4d ms)\n",
                     name, cpu[m], cpu[NR], wall[m] }'
}

report offscreen
if command -v xvfb-run >/dev/null; then
    report xcb
fi
