#!/usr/bin/env bash
# Runs the Windows host runner under Wine on a drawing and a script, and checks
# its transcript against a golden file, or its transcript, dump and pictures
# against the same run of a native runner.
#
#   check-runner.sh --work DIR --runner ZEDRUNNER.EXE --plugin PLUGIN.DLL
#                   --drawing FILE --script FILE [--settings FILE.reg]
#                   [--expect-transcript FILE]
#                   [--native-runner ZEDRUNNER --native-plugin PLUGIN.SO]
#
# Both runs start from the same settings: the plug-in's defaults, or the values
# of the --settings file (a .reg file of the plug-in's key). The native run gets
# a fresh copy of it as its settings file; for the Windows run the plug-in's
# registry key is deleted and the file imported into the registry.
#
# Windows programs end their lines with CRLF; the carriage returns are dropped
# before anything is compared. With --native-runner but no native build there,
# the check is skipped (exit status 77).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_run=$here/../../scripts/wine-run.sh

usage() {
    echo "usage: $0 --work DIR --runner EXE --plugin DLL --drawing FILE --script FILE [--settings FILE]" \
        "[--expect-transcript FILE] [--native-runner BIN --native-plugin SO]" >&2
    exit 2
}
work="" runner="" plugin="" drawing="" script="" settings="" expected=""
native_runner="" native_plugin="" native_given=0
while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || usage
    case "$1" in
        --work) work=$2 ;;
        --runner) runner=$2 ;;
        --plugin) plugin=$2 ;;
        --drawing) drawing=$2 ;;
        --script) script=$2 ;;
        --settings) settings=$2 ;;
        --expect-transcript) expected=$2 ;;
        --native-runner) native_runner=$2 native_given=1 ;;
        --native-plugin) native_plugin=$2 ;;
        *) usage ;;
    esac
    shift 2
done
if [ -z "$work" ] || [ -z "$runner" ] || [ -z "$plugin" ] || [ -z "$drawing" ] || [ -z "$script" ]; then
    usage
fi
# Everything absolute: the runs happen in folders of their own.
work=$(realpath -m "$work")
runner=$(realpath -m "$runner")
plugin=$(realpath -m "$plugin")
drawing=$(realpath -m "$drawing")
script=$(realpath -m "$script")
[ -z "$settings" ] || settings=$(realpath -m "$settings")
[ -z "$expected" ] || expected=$(realpath -m "$expected")
[ -z "$native_runner" ] || native_runner=$(realpath -m "$native_runner")
[ -z "$native_plugin" ] || native_plugin=$(realpath -m "$native_plugin")
if [ $native_given -eq 1 ] && { [ ! -x "$native_runner" ] || [ ! -f "$native_plugin" ]; }; then
    echo "no native runner and plug-in to compare with (\"$native_runner\", \"$native_plugin\"): skipped"
    exit 77
fi

# Wine sees the Linux file system as drive Z:.
windows_path() { echo "Z:${1//\//\\}"; }
strip_cr() { tr -d '\r' <"$1" >"$1.lf" && mv "$1.lf" "$1"; }

rm -rf "$work"
mkdir -p "$work/windows"
failures=0

# The Windows run.
"$wine_run" reg delete 'HKCU\Software\Quorvane\ZED\Ledgewright' /f >/dev/null 2>&1 || true
if [ -n "$settings" ] && ! "$wine_run" reg import "$(windows_path "$settings")" >"$work/reg-import.txt" 2>&1; then
    cat "$work/reg-import.txt"
    echo "FAIL: cannot import $settings into the registry"
    exit 1
fi
status=0
(cd "$work/windows" &&
    "$wine_run" "$runner" --plugin "$(windows_path "$plugin")" --drawing "$(windows_path "$drawing")" \
        --script "$(windows_path "$script")" --dump run.dump --svg end.svg \
        </dev/null >transcript.txt 2>stderr.txt) || status=$?
strip_cr "$work/windows/transcript.txt"
strip_cr "$work/windows/stderr.txt"
for written in "$work"/windows/run.dump "$work"/windows/*.svg; do
    [ ! -f "$written" ] || strip_cr "$written"
done
# Wine's own diagnostics (0024:err:...) are not the runner's.
grep -Ev '^[0-9a-f]{4}:(err|warn|fixme|trace):' "$work/windows/stderr.txt" >"$work/windows/runner-stderr.txt" || true

echo "Windows transcript ($work/windows/transcript.txt):"
cat "$work/windows/transcript.txt"
if [ $status -ne 0 ]; then
    echo "FAIL: the Windows runner exited with status $status"
    failures=$((failures + 1))
fi
if [ -s "$work/windows/runner-stderr.txt" ]; then
    echo "FAIL: the Windows runner wrote to its error output:"
    cat "$work/windows/runner-stderr.txt"
    failures=$((failures + 1))
fi
if [ ! -f "$work/windows/run.dump" ]; then
    echo "FAIL: the Windows runner wrote no dump"
    failures=$((failures + 1))
fi

compare() {
    local what=$1 expected_file=$2 actual_file=$3
    if ! diff -u --label "$what expected" --label "$what under Wine" "$expected_file" "$actual_file"; then
        echo "FAIL: the $what differs"
        failures=$((failures + 1))
    fi
}

if [ -n "$expected" ]; then
    compare "transcript" "$expected" "$work/windows/transcript.txt"
fi

# The native run, the reference for transcript, dump and pictures.
if [ $native_given -eq 1 ]; then
    mkdir -p "$work/native"
    [ -z "$settings" ] || cp "$settings" "$work/native/settings.reg"
    status=0
    (cd "$work/native" &&
        "$native_runner" --plugin "$native_plugin" --drawing "$drawing" --script "$script" \
            --registry "$work/native/settings.reg" --dump run.dump --svg end.svg \
            </dev/null >transcript.txt 2>stderr.txt) || status=$?
    if [ $status -ne 0 ] || [ -s "$work/native/stderr.txt" ]; then
        echo "FAIL: the native runner failed (status $status):"
        cat "$work/native/stderr.txt"
        failures=$((failures + 1))
    fi
    compare "transcript" "$work/native/transcript.txt" "$work/windows/transcript.txt"
    if [ -f "$work/windows/run.dump" ]; then
        compare "dump" "$work/native/run.dump" "$work/windows/run.dump"
    fi
    # The picture at the end and any the script took on the way.
    for picture in "$work"/native/*.svg; do
        [ -f "$picture" ] || continue
        compare "picture $(basename "$picture")" "$picture" "$work/windows/$(basename "$picture")"
    done
fi

if [ $failures -ne 0 ]; then
    echo "$failures problem(s); the outputs are in $work"
    exit 1
fi
echo "The Windows runner's outputs are as expected"
