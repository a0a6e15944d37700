#!/usr/bin/env bash
# Longer fuzzing runs with libFuzzer (clang, sanitizers on): each target of
# fuzz/ runs for SECONDS (default 60) from a working copy of its committed seed
# corpus, in build/fuzz/. New inputs stay in build/fuzz/corpus/TARGET; an input
# that breaks a rule or crashes is kept as build/fuzz/findings/TARGET-crash-…
# and the script fails. Add a finding to fuzz/corpus/TARGET once it is fixed.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]     e.g. scripts/fuzz.sh 300 id_list
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(id_list typed_number keyword_text part_layer settings_file drawing_file script_file hole_master)
fi

scripts/install-deps.sh --fuzz
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DLEDGEWRIGHT_FUZZ=ON -DLEDGEWRIGHT_SANITIZE=ON -DLEDGEWRIGHT_TESTS=OFF >/dev/null
for target in "${targets[@]}"; do
    cmake --build build/fuzz -j"$(nproc 2>/dev/null || echo 2)" --target "fuzz_$target" >/dev/null
done

mkdir -p build/fuzz/findings
failed=0
for target in "${targets[@]}"; do
    work=build/fuzz/corpus/$target
    mkdir -p "$work"
    log=build/fuzz/$target.log
    status=0
    build/fuzz/bin/fuzz_"$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build/fuzz/findings/"$target"- "$work" fuzz/corpus/"$target" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    size=$(find "$work" -type f | wc -l)
    if [ "$status" -ne 0 ]; then
        echo "$target: FINDING after ${runs:-?} runs (see $log and build/fuzz/findings/)"
        failed=1
    else
        echo "$target: ${runs:-?} runs in ${seconds} s (${rate:-?}/s), no finding; corpus $size inputs"
    fi
done
exit $failed
