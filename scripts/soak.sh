#!/usr/bin/env bash
# Soak run of the random sessions. The test command runs them with fixed
# seeds, so that a change passes or fails on its own merits; this runs them
# again and again with new seeds (RapidCheck's sessions, the seeded sessions
# and the build-and-Delete round trips), to find what those seeds miss. Each
# run's seed is printed; the output of a failing run, with the session shrunk
# to a runner drawing, script and settings file, is kept in build/soak/. Keep
# each finding as a row of tests/session/session_regression_test.cpp.
#
# Usage: scripts/soak.sh [RUNS] [CASES]   (default 20 runs of 300 RapidCheck cases)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-20}
cases=${2:-300}
scripts/install-deps.sh
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DLEDGEWRIGHT_SANITIZE=ON >/dev/null
cmake --build build/asan -j"$(nproc 2>/dev/null || echo 2)" --target session_tests Ledgewright zed_ap
mkdir -p build/soak
export LEDGEWRIGHT_SOURCE_DIR=$PWD LEDGEWRIGHT_BUILD_DIR=$PWD/build/asan
found=0
for ((run = 1; run <= runs; run++)); do
    seed=$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')
    log=build/soak/seed-$seed.log
    if RC_PARAMS="seed=$seed max_success=$cases" LEDGEWRIGHT_SESSION_SEED=$seed build/asan/bin/session_tests \
        --gtest_filter='SessionPropertyTest.*:SessionTest.*:RoundTripTest.*' >"$log" 2>&1; then
        echo "run $run, seed $seed: passed"
        rm -f "$log"
    else
        echo "run $run, seed $seed: FAILED, see $log"
        found=$((found + 1))
    fi
done
echo "$found of $runs runs found something"
[ "$found" -eq 0 ]
