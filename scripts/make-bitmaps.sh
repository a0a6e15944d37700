#!/usr/bin/env bash
# Makes the module's bitmaps (ui/bitmaps/*.bmp) again from the patterns' own
# drawings: builds the host runner and the plug-in, then runs
# ui/bitmaps/make_bitmaps.py, which plays the sources of ui/bitmaps/sources/
# and converts the runner's pictures with rsvg-convert.
#
#   scripts/make-bitmaps.sh           write ui/bitmaps/*.bmp
#   scripts/make-bitmaps.sh --check   compare with the committed files instead
#
# LEDGEWRIGHT_BITMAP_BUILD_DIR chooses the build folder (default build/asan).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/install-deps.sh --bitmaps

build=${LEDGEWRIGHT_BITMAP_BUILD_DIR:-build/asan}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DLEDGEWRIGHT_SANITIZE=ON >/dev/null
fi
cmake --build "$build" -j2 --target zedrunner Ledgewright zed_ap
/usr/bin/python3 ui/bitmaps/make_bitmaps.py "$build/bin/zedrunner" ui/bitmaps "$@"
