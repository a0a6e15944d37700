#!/usr/bin/env bash
# Cross-builds the Windows deliverables with mingw-w64, without the tests:
#   build/win/bin/Ledgewright.dll  the plug-in (exports Startup)
#   build/win/bin/ZedLib.dll       the emulated host library it links against
#   build/win/bin/zedrunner.exe    the host runner, which loads the plug-in
# LEDGEWRIGHT_WIN_BUILD_DIR changes build/win.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows

build=${LEDGEWRIGHT_WIN_BUILD_DIR:-build/win}
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$jobs" --target Ledgewright ZedLib zedrunner zed_ap

echo "Windows binaries:"
for f in Ledgewright.dll ZedLib.dll zedrunner.exe; do
    echo "  $build/bin/$f"
done
