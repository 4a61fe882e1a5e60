#!/bin/sh
# Builds the inputs of the scanner benchmarks in OUTDIR:
#   real.html       HTML documentation found under SEARCH_ROOT, joined and repeated
#                   (the pages under DENSE_ROOT left out)
#   text.txt        plain text (package copyright notes) found there, hardly any "<"
#   dense.html      a programming language's API documentation, joined and repeated:
#                   real pages with about 3,000 links per MB, most of them into the
#                   same pages (with a "#", which the default switches leave out)
#   synthetic.html  one link every 60 bytes
#   quarter.html    real.html with links added: about a quarter of a million in all
# Each is MEGABYTES long (default 100). The files found differ from machine to machine;
# compare ratios measured on one machine, not times across machines.
#
# dense.html is built from DENSE_ROOT, by default the pages of the Debian package
# python3.11-doc; install it first:  apt-get install python3.11-doc
# Any other folder of densely linked HTML will do; name it in DENSE_ROOT.
#
# usage: [DENSE_ROOT=DIR] make-corpus.sh OUTDIR [SEARCH_ROOT] [MEGABYTES]
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 OUTDIR [SEARCH_ROOT] [MEGABYTES]" >&2
    exit 2
fi
out=$1
root=${2:-/usr/share/doc}
dense_root=${DENSE_ROOT:-/usr/share/doc/python3.11/html}
size=$(( ${3:-100} * 1024 * 1024 ))
mkdir -p "$out"

# Joins the files named (NUL-separated) in $1 into $2 until it reaches the size.
join_until_full() {
    if [ ! -s "$1" ]; then
        echo "$0: no HTML or text files found for $2" >&2
        exit 1
    fi
    : > "$2"
    while [ "$(wc -c < "$2")" -lt "$size" ]; do
        xargs -0 cat < "$1" >> "$2"
    done
    truncate -s "$size" "$2"
}

# HTML files under $1, leaving out the folder $2.
html_files() {
    find "$1" -path "$2" -prune -o -type f \( -iname '*.htm' -o -iname '*.html' \) -size +0 \
        -print0 | LC_ALL=C sort -z
}

html_files "$root" "$dense_root" > "$out/html-files.lst"
join_until_full "$out/html-files.lst" "$out/real.html"

if [ ! -d "$dense_root" ]; then
    echo "$0: $dense_root is missing: install python3.11-doc or set DENSE_ROOT" >&2
    exit 1
fi
html_files "$dense_root" "" > "$out/dense-files.lst"
join_until_full "$out/dense-files.lst" "$out/dense.html"

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

for f in real.html dense.html text.txt synthetic.html quarter.html; do
    printf '%-15s %10d bytes, %9d "<"\n' "$f" "$(wc -c < "$out/$f")" \
        "$(tr -cd '<' < "$out/$f" | wc -c)"
done
