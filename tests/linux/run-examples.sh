#!/usr/bin/env bash
# Runs every example of runner/examples (NAME.script on NAME.drw, with the
# settings of NAME.reg when there is one, the plug-in's defaults otherwise) and
# checks that each runs to its end: exit status 0, no error line or message
# box in the transcript, every picture the script asks for written, and the
# lines of NAME.expect, when there is one, in the transcript in that order. The
# README's demo (demo.script on plate.drw) is scripts/demo.sh's and runs there.
# Usage: run-examples.sh ZEDRUNNER EXAMPLES_DIR WORK_DIR
set -euo pipefail
runner=$(realpath "$1")
examples=$(realpath "$2")
work=$(realpath -m "$3")
failed=0
ran=0
for script in "$examples"/*.script; do
    name=$(basename "$script" .script)
    drawing=$examples/$name.drw
    [ -f "$drawing" ] || continue
    dir=$work/$name
    rm -rf "$dir" && mkdir -p "$dir"
    if [ -f "$examples/$name.reg" ]; then
        cp "$examples/$name.reg" "$dir/settings.reg"
    fi
    status=0
    (cd "$dir" && "$runner" --drawing "$drawing" --script "$script" --registry "$dir/settings.reg" \
        >transcript.txt 2>stderr.txt) || status=$?
    ran=$((ran + 1))
    if [ "$status" -ne 0 ]; then
        echo "FAIL: $name: exit status $status"; cat "$dir/stderr.txt"; failed=1; continue
    fi
    if grep -E '^(error|message box): ' "$dir/transcript.txt"; then
        echo "FAIL: $name: the transcript reports the lines above"; failed=1
    fi
    if [ -f "$examples/$name.expect" ]; then
        missing=$(awk 'NR == FNR { want[++n] = $0; next }
                       k < n && $0 == want[k + 1] { ++k }
                       END { if (k < n) print want[k + 1] }' "$examples/$name.expect" "$dir/transcript.txt")
        if [ -n "$missing" ]; then
            echo "FAIL: $name: the transcript lacks, in its place: $missing"; failed=1
        fi
    fi
    for picture in $(awk '$1 == "picture" {print $2}' "$script"); do
        if [ ! -s "$dir/$picture" ]; then
            echo "FAIL: $name: $picture was not written"; failed=1
        fi
    done
done
if [ "$ran" -eq 0 ]; then
    echo "FAIL: no example found in $examples"; exit 1
fi
echo "$ran examples ran"
exit $failed
