#!/bin/sh
# Builds the inputs of the scanner benchmarks in OUTDIR:
#   real.html       HTML documentation found under SEARCH_ROOT, joined and repeated
#   text.txt        plain text (package copyright notes) found there, hardly any "<"
#   synthetic.html  one link every 60 bytes
#   quarter.html    real.html with links added: about a quarter of a million in all
# Each is MEGABYTES long (default 100). The files found differ from machine to machine;
# compare ratios measured on one machine, not times across machines.
#
# usage: make-corpus.sh OUTDIR [SEARCH_ROOT] [MEGABYTES]
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 OUTDIR [SEARCH_ROOT] [MEGABYTES]" >&2
    exit 2
fi
out=$1
root=${2:-/usr/share/doc}
size=$(( ${3:-100} * 1024 * 1024 ))
mkdir -p "$out"

# Joins the files named (NUL-separated) in $1 into $2 until it reaches the size.
join_until_full() {
    if [ ! -s "$1" ]; then
        echo "$0: no files for $2 under $root" >&2
        exit 1
    fi
    : > "$2"
    while [ "$(wc -c < "$2")" -lt "$size" ]; do
        xargs -0 cat < "$1" >> "$2"
    done
    truncate -s "$size" "$2"
}

find "$root" -type f \( -iname '*.htm' -o -iname '*.html' \) -size +0 -print0 |
    LC_ALL=C sort -z > "$out/html-files.lst"
join_until_full "$out/html-files.lst" "$out/real.html"

find "$root" -type f -name copyright -size +0 -print0 | LC_ALL=C sort -z > "$out/text-files.lst"
join_until_full "$out/text-files.lst" "$out/text.txt"

# 60 bytes per line, each line one anchor.
awk -v lines=$(( size / 60 )) 'BEGIN {
    for (i = 0; i < lines; i++)
        printf "<a href=\"http://www.example.com/f/%014d.zip\">f</a>\n", i
}' > "$out/synthetic.html"

# The real pages again with an anchor line added between their lines, evenly, so that
# about 190000 more links make a quarter of a million in all.
lines=$(wc -l < "$out/real.html")
awk -v every=$(( lines / 190000 + 1 )) '{ print }
    NR % every == 0 { printf "<a href=\"http://www.example.com/f/%014d.zip\">f</a>\n", NR }' \
    "$out/real.html" | head -c "$size" > "$out/quarter.html"

for f in real.html text.txt synthetic.html quarter.html; do
    printf '%-15s %10d bytes, %9d "<"\n' "$f" "$(wc -c < "$out/$f")" \
        "$(tr -cd '<' < "$out/$f" | wc -c)"
done
