#!/bin/bash
# Times harvex2-cli extract, with the quick scan and with the full reader, beside a plain
# read, the memchr-only pass and GNU grep doing the quick scan's comparable job (with and
# without case and blanks around the "="), on the files of make-corpus.sh, and prints the
# ratios.
# Each command runs RUNS times (default 5); the best run counts. Times are CPU seconds
# (user + system), which stay comparable when other work shares the machine; wall-clock
# seconds are shown beside them.
#
# usage: compare-peers.sh BUILD_DIR CORPUS_DIR [RUNS]
#   BUILD_DIR   a Release build with -DHARVEX2_BUILD_BENCH=ON
#   CORPUS_DIR  the output folder of make-corpus.sh
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 BUILD_DIR CORPUS_DIR [RUNS]" >&2
    exit 2
fi
build=$1
corpus=$2
runs=${3:-5}
cli=$build/src/harvex2-cli
pass=$build/bench/harvex2_memchr_pass
for program in "$cli" "$pass"; do
    [ -x "$program" ] || { echo "$0: $program is missing; build it first" >&2; exit 1; }
done

# Output goes to a real file: GNU grep stops at the first match when it writes to /dev/null.
output=$(mktemp)
trap 'rm -f "$output"' EXIT

# Prints "cpu wall" in seconds for the best of $runs runs of the command.
best_of() {
    local best_cpu="" best_wall="" t
    TIMEFORMAT='%U %S %R'
    for _ in $(seq "$runs"); do
        t=$( { time "$@" > "$output"; } 2>&1 )
        read -r user sys wall <<< "$t"
        cpu=$(echo "$user + $sys" | bc)
        if [ -z "$best_cpu" ] || [ "$(echo "$cpu < $best_cpu" | bc)" = 1 ]; then
            best_cpu=$cpu
            best_wall=$wall
        fi
    done
    echo "$best_cpu $best_wall"
}

ratio() { echo "scale=2; $1 / $2" | bc; }

grep_job() { LC_ALL=C grep -a -o -i 'href *= *"[^"]*"' "$1" || true; }
# The plain form of the same job: lower-case href, the quote right after the "=".
grep_plain_job() { LC_ALL=C grep -a -o 'href="[^"]*"' "$1" || true; }

printf '%-15s %-10s %9s %9s %10s\n' file command cpu_s wall_s MB/s
for name in real.html dense.html text.txt synthetic.html; do
    file=$corpus/$name
    megabytes=$(echo "scale=1; $(wc -c < "$file") / 1048576" | bc)
    cat "$file" > /dev/null # into the cache
    read -r read_cpu read_wall <<< "$(best_of "$pass" --read-only "$file")"
    read -r memchr_cpu memchr_wall <<< "$(best_of "$pass" "$file")"
    read -r cli_cpu cli_wall <<< "$(best_of "$cli" extract --quick "$file")"
    read -r full_cpu full_wall <<< "$(best_of "$cli" extract "$file")"
    read -r grep_cpu grep_wall <<< "$(best_of grep_job "$file")"
    read -r plain_cpu plain_wall <<< "$(best_of grep_plain_job "$file")"
    for row in "read $read_cpu $read_wall" "memchr $memchr_cpu $memchr_wall" \
               "quick $cli_cpu $cli_wall" "full $full_cpu $full_wall" \
               "grep $grep_cpu $grep_wall" "grep-plain $plain_cpu $plain_wall"; do
        read -r command cpu wall <<< "$row"
        printf '%-15s %-10s %9s %9s %10s\n' "$name" "$command" "$cpu" "$wall" \
            "$(echo "scale=0; $megabytes / $cpu" | bc 2>/dev/null || echo -)"
    done
    printf '%-15s quick / memchr = %s (wall %s), grep / quick = %s (wall %s)\n' \
        "$name" "$(ratio "$cli_cpu" "$memchr_cpu")" "$(ratio "$cli_wall" "$memchr_wall")" \
        "$(ratio "$grep_cpu" "$cli_cpu")" "$(ratio "$grep_wall" "$cli_wall")"
    printf '%-15s grep-plain / quick = %s (wall %s)\n' \
        "$name" "$(ratio "$plain_cpu" "$cli_cpu")" "$(ratio "$plain_wall" "$cli_wall")"
    printf '%-15s full / memchr = %s (wall %s)\n\n' \
        "$name" "$(ratio "$full_cpu" "$memchr_cpu")" "$(ratio "$full_wall" "$memchr_wall")"
done
