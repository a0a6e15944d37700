#!/usr/bin/env bash
# Cross-builds everything for 64-bit Windows with mingw-w64 and runs the test
# suite under Wine: the test programs, the plug-in's interface checks and the
# Windows host runner's demo run. Then the same for the legacy build (built at
# the lowest priority while the current tree's tests run), whose tests run
# under the Korean locale, so that Wine's ANSI code page is 949.
#
#   scripts/windows-tests.sh [ctest arguments...]
#
# The builds land in build/win and build/win-legacy (LEDGEWRIGHT_WIN_BUILD_DIR
# and LEDGEWRIGHT_WIN_LEGACY_BUILD_DIR change them; LEDGEWRIGHT_SKIP_LEGACY=1
# leaves the legacy build out). Wine's prefix is created once and kept
# (scripts/wine-env.sh says where).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows
# shellcheck source=scripts/cmake-generator.sh
. scripts/cmake-generator.sh

build=${LEDGEWRIGHT_WIN_BUILD_DIR:-build/win}
# The native build whose runner the Windows runner's demo runs are compared with:
# the one scripts/test.sh has just built and tested.
native=${LEDGEWRIGHT_NATIVE_BUILD_DIR:-$PWD/build/asan}
jobs=$(nproc 2>/dev/null || echo 2)
# shellcheck disable=SC2046  # the generator's options are words of their own
cmake -S . -B "$build" $(cmake_generator_for "$build") -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DLEDGEWRIGHT_NATIVE_BUILD_DIR="$native" >/dev/null
cmake --build "$build" -j"$jobs"

legacy=${LEDGEWRIGHT_WIN_LEGACY_BUILD_DIR:-build/win-legacy}
# The tests under Wine leave much of the processors idle (programs starting,
# windows waiting for their messages): the legacy tree builds meanwhile, at the
# lowest priority so that it never takes time from a test, its output kept
# until the tests are done.
build_legacy() {
    # shellcheck disable=SC2046
    cmake -S . -B "$legacy" $(cmake_generator_for "$legacy") -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
        -DCMAKE_BUILD_TYPE=Release -DLEDGEWRIGHT_LEGACY=ON \
        -DLEDGEWRIGHT_NATIVE_BUILD_DIR="${LEDGEWRIGHT_NATIVE_LEGACY_BUILD_DIR:-$PWD/build/legacy}" >/dev/null
    nice -n 19 cmake --build "$legacy" -j"$jobs"
}
legacy_pid=""
legacy_log=$(mktemp)
if [ "${LEDGEWRIGHT_SKIP_LEGACY:-0}" != 1 ]; then
    build_legacy >"$legacy_log" 2>&1 &
    legacy_pid=$!
fi
# Waits for the legacy build and shows its output; fails when the build did.
finish_legacy_build() {
    local status=0
    if [ -n "$legacy_pid" ]; then
        wait "$legacy_pid" || status=$?
        legacy_pid=""
        cat "$legacy_log"
    fi
    rm -f "$legacy_log"
    return "$status"
}
trap 'finish_legacy_build >/dev/null 2>&1 || true' EXIT

# A test that hangs (a window waiting for input, a lost pipe) fails after five
# minutes instead of holding up the run.
scripts/wine-session.sh ctest --test-dir "$build" --output-on-failure -j"$jobs" --timeout 300 "$@"

[ "${LEDGEWRIGHT_SKIP_LEGACY:-0}" = 1 ] && exit 0
finish_legacy_build
LANG=ko_KR.UTF-8 LC_ALL=ko_KR.UTF-8 \
    scripts/wine-session.sh ctest --test-dir "$legacy" --output-on-failure -j"$jobs" --timeout 300 "$@"
