#!/usr/bin/env bash
# Remakes the README's pictures in docs/ from the program's own windows, under a virtual X
# server with settings of its own. Run it again whenever the windows change.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-release"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHARVEX2_BUILD_BENCH=OFF \
    -DHARVEX2_BUILD_FUZZ=OFF >/dev/null
cmake --build "$build" --target harvex2-screenshots

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
page="$work/gallery.html"
{
    echo '<html><head><title>Summer photos</title></head><body><h1>Summer photos</h1>'
    for i in $(seq 1 9); do
        echo "<p><a href=\"photos/summer-$i.jpg\">Photo $i</a></p>"
    done
    echo '<p><a href="https://photos.example.org/archive/summer-photos-full-resolution-set-2024.zip">All photos</a></p>'
    echo '<p><a href="mailto:owner@example.org">Write to us</a></p></body></html>'
} >"$page"

HARVEX2_CONFIG_DIR="$work/config" LC_ALL=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/tests/harvex2-screenshots" "$page" "$root/docs"
echo "Wrote main-window.png, adding-window.png and sequence-dialog.png in $root/docs"
