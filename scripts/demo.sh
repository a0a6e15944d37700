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
# The demo's own settings, copied afresh so that every run starts the same.
cp runner/examples/demo.reg "$out/demo.reg"
(cd "$out" && ../release/bin/zedrunner \
  --drawing ../../runner/examples/plate.drw \
  --script ../../runner/examples/demo.script \
  --registry demo.reg \
  --svg plate.svg \
  --dump plate.dump \
  --dxf plate.dxf)
echo
echo "While editing: $out/plate-editing.svg   At the end: $out/plate.svg   Dump: $out/plate.dump   DXF: $out/plate.dxf"
