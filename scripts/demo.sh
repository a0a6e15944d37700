#!/usr/bin/env bash
# The demo run: builds the plug-in, the emulated host and the host runner, then
# runs plan pattern A on a plate (start the command, type PlaneA, pick the
# bottom edge, pick the width dimension, type 8, end). Prints what the user
# would see and writes the drawing as build/demo/plate.svg and plate.dump.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DLEDGEWRIGHT_TESTS=OFF >/dev/null
cmake --build build/release -j"$jobs" --target zedrunner Ledgewright zed_ap >/dev/null

out=build/demo
mkdir -p "$out"
rm -f "$out/demo.reg"
build/release/bin/zedrunner \
  --drawing runner/examples/plate.drw \
  --script runner/examples/plane_a.script \
  --registry "$out/demo.reg" \
  --svg "$out/plate.svg" \
  --dump "$out/plate.dump"
echo
echo "Drawing: $out/plate.svg   Dump: $out/plate.dump"
