#!/usr/bin/env bash
# Cross-builds everything for 64-bit Windows with mingw-w64 and runs the test
# suite under Wine: the test programs, the plug-in's interface checks and the
# Windows host runner's demo run.
#
#   scripts/windows-tests.sh [ctest arguments...]
#
# The build lands in build/win (LEDGEWRIGHT_WIN_BUILD_DIR changes it). Wine's
# prefix is created once and kept (scripts/wine-env.sh says where).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows

build=${LEDGEWRIGHT_WIN_BUILD_DIR:-build/win}
# The native build whose runner the Windows runner's demo runs are compared with:
# the one scripts/test.sh has just built and tested.
native=${LEDGEWRIGHT_NATIVE_BUILD_DIR:-$PWD/build/asan}
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DLEDGEWRIGHT_NATIVE_BUILD_DIR="$native" >/dev/null
cmake --build "$build" -j"$jobs"

# A test that hangs (a window waiting for input, a lost pipe) fails after five
# minutes instead of holding up the run.
scripts/wine-session.sh ctest --test-dir "$build" --output-on-failure -j"$jobs" --timeout 300 "$@"
