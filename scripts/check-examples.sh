#!/usr/bin/env bash
# Replays every runner example (runner/examples/NAME.script on NAME.drw, the
# README's demo, and the bitmap sources of ui/bitmaps/sources/) and compares
# each transcript, dump, SVG and picture byte for byte with a recorded copy, so
# that a change meant to move code and not behaviour can be shown to do so.
#
#   scripts/check-examples.sh --record ZEDRUNNER DIR   # record the outputs in DIR
#   scripts/check-examples.sh ZEDRUNNER DIR            # compare with DIR
#
# Each example runs in a fresh folder with a copy of its settings file (the
# plug-in's defaults when it has none).
set -euo pipefail
cd "$(dirname "$0")/.."
record=0
if [ "${1:-}" = "--record" ]; then record=1; shift; fi
[ $# -eq 2 ] || { echo "usage: $0 [--record] ZEDRUNNER DIR" >&2; exit 2; }
runner=$(realpath "$1")
dir=$(realpath -m "$2")
source_dir=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name drawing script settings
cases=()
for script in runner/examples/*.script; do
    name=$(basename "$script" .script)
    drawing=runner/examples/$name.drw
    [ "$name" = demo ] && drawing=runner/examples/plate.drw
    [ -f "$drawing" ] || continue
    settings=runner/examples/$name.reg
    cases+=("examples-$name $drawing $script $settings")
done
for script in ui/bitmaps/sources/*.script; do
    name=$(basename "$script" .script)
    cases+=("bitmap-$name ui/bitmaps/sources/$name.drw $script ui/bitmaps/sources/$name.reg")
done

failed=0
for row in "${cases[@]}"; do
    read -r name drawing script settings <<<"$row"
    out=$work/$name
    mkdir -p "$out"
    [ -f "$settings" ] && cp "$settings" "$out/settings.reg"
    status=0
    (cd "$out" && "$runner" --drawing "$source_dir/$drawing" --script "$source_dir/$script" \
        --registry settings.reg --svg end.svg --dump end.dump >transcript.txt 2>stderr.txt) || status=$?
    echo "$status" >"$out/status"
    if [ "$record" -eq 1 ]; then
        rm -rf "${dir:?}/$name" && mkdir -p "$dir" && cp -r "$out" "$dir/$name"
    elif ! diff -r "$dir/$name" "$out" >"$work/$name.diff"; then
        echo "DIFFERS: $name"; head -20 "$work/$name.diff"; failed=1
    fi
done
if [ "$record" -eq 1 ]; then
    echo "${#cases[@]} examples recorded in $dir"
else
    [ "$failed" -eq 0 ] && echo "${#cases[@]} examples byte-identical to $dir"
fi
exit $failed
