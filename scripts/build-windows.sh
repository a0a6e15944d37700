#!/usr/bin/env bash
# Cross-builds the Windows deliverables with mingw-w64, without the tests:
#   build/win/bin/Ledgewright.dll  the plug-in (exports Startup)
#   build/win/bin/ZedLib.dll       the emulated host library it links against
#   build/win/bin/zedrunner.exe    the host runner, which loads the plug-in
#   build/win-legacy/bin/...        the same for the older host release (legacy build)
# LEDGEWRIGHT_WIN_BUILD_DIR and LEDGEWRIGHT_WIN_LEGACY_BUILD_DIR change the folders.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows

build=${LEDGEWRIGHT_WIN_BUILD_DIR:-build/win}
legacy=${LEDGEWRIGHT_WIN_LEGACY_BUILD_DIR:-build/win-legacy}
jobs=$(nproc 2>/dev/null || echo 2)
echo "Windows binaries:"
for dir in "$build" "$legacy"; do
    legacy_option=OFF
    [ "$dir" = "$legacy" ] && legacy_option=ON
    cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DCMAKE_BUILD_TYPE=Release \
        -DLEDGEWRIGHT_LEGACY=$legacy_option >/dev/null
    cmake --build "$dir" -j"$jobs" --target Ledgewright ZedLib zedrunner zed_ap
    for f in Ledgewright.dll ZedLib.dll zedrunner.exe; do
        echo "  $dir/bin/$f"
    done
done
