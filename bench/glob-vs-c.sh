#!/bin/bash
# Times `harvex2-cli sequence --glob` making COUNT URLs (default 100,000,000) beside a
# plain C loop printing the same URLs with printf, and reports the peak memory of each.
# Times are CPU seconds (user + system) of the best of RUNS runs (default 3), which stay
# comparable when other work shares the machine. The output goes to /dev/null; the two
# programs' output is first compared byte for byte over the first 100,000 URLs.
#
# usage: glob-vs-c.sh BUILD_DIR [COUNT] [RUNS]
#   BUILD_DIR   a Release build (harvex2-cli is BUILD_DIR/src/harvex2-cli)
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [COUNT] [RUNS]" >&2
    exit 2
fi
cli=$1/src/harvex2-cli
count=${2:-100000000}
runs=${3:-3}
[ -x "$cli" ] || { echo "$0: $cli is missing; build it first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/loop.c" <<'C'
#include <stdio.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    unsigned long count = strtoul(argv[1], NULL, 10);
    for (unsigned long i = 1; i <= count; ++i) {
        printf("http://example.com/gallery/img%lu.jpg\n", i);
    }
    return 0;
}
C
cc -O2 -o "$work/loop" "$work/loop.c"
glob="http://example.com/gallery/img[1-$count].jpg"

"$work/loop" 100000 > "$work/c.txt"
"$cli" sequence --glob "http://example.com/gallery/img[1-100000].jpg" > "$work/cli.txt"
cmp "$work/c.txt" "$work/cli.txt" || { echo "$0: the outputs differ" >&2; exit 1; }

# Prints "cpu peak_kb" for the best of $runs runs of the command.
best_of() {
    local best="" peak=""
    for _ in $(seq "$runs"); do
        /usr/bin/time -f '%U %S %M' -o "$work/time" "$@" > /dev/null
        read -r user sys kb < "$work/time"
        cpu=$(echo "$user + $sys" | bc)
        if [ -z "$best" ] || [ "$(echo "$cpu < $best" | bc)" = 1 ]; then
            best=$cpu
            peak=$kb
        fi
    done
    echo "$best $peak"
}

read -r c_cpu c_peak <<< "$(best_of "$work/loop" "$count")"
read -r cli_cpu cli_peak <<< "$(best_of "$cli" sequence --glob "$glob")"
printf '%-28s %10s %12s\n' "program ($count URLs)" "cpu s" "peak RSS KB"
printf '%-28s %10s %12s\n' "C printf loop" "$c_cpu" "$c_peak"
printf '%-28s %10s %12s\n' "harvex2-cli sequence --glob" "$cli_cpu" "$cli_peak"
printf 'ratio: %s\n' "$(echo "scale=2; $cli_cpu / $c_cpu" | bc)"
