#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test, for the current build (build/asan) and the legacy build
# (build/legacy, the test programs it shares and those of its differences);
# then cross-builds both for Windows and runs their tests under Wine
# (scripts/windows-tests.sh). LEDGEWRIGHT_SKIP_WINDOWS=1 leaves out the
# Windows part and the package, for a quicker run at one's desk; CI always
# runs them. Last, scripts/package.sh makes the release package, which the
# native test release.package unpacks and checks.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
# shellcheck source=scripts/cmake-generator.sh
. scripts/cmake-generator.sh

start=$SECONDS
jobs=$(nproc 2>/dev/null || echo 2)
# shellcheck disable=SC2046  # the generator's options are words of their own
cmake -S . -B build/asan $(cmake_generator_for build/asan) -DCMAKE_BUILD_TYPE=Debug -DLEDGEWRIGHT_SANITIZE=ON \
    >/dev/null
cmake --build build/asan -j"$jobs"
(cd build/asan && ctest --output-on-failure -j"$jobs")
echo "Native suite: $((SECONDS - start)) s"

start=$SECONDS
# shellcheck disable=SC2046
cmake -S . -B build/legacy $(cmake_generator_for build/legacy) -DCMAKE_BUILD_TYPE=Debug -DLEDGEWRIGHT_SANITIZE=ON \
    -DLEDGEWRIGHT_LEGACY=ON >/dev/null
cmake --build build/legacy -j"$jobs"
(cd build/legacy && ctest --output-on-failure -j"$jobs")
echo "Native legacy suite: $((SECONDS - start)) s"

if [ "${LEDGEWRIGHT_SKIP_WINDOWS:-0}" = 1 ]; then
    echo "Windows suite skipped (LEDGEWRIGHT_SKIP_WINDOWS=1)"
    exit 0
fi
start=$SECONDS
scripts/windows-tests.sh
echo "Windows suite: $((SECONDS - start)) s"

# The release package from the builds just tested, unpacked and checked.
start=$SECONDS
scripts/package.sh
(cd build/asan && ctest --output-on-failure -R '^release\.package')
echo "Package: $((SECONDS - start)) s"
