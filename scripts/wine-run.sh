#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine: the emulator of the cross build
# (CMAKE_CROSSCOMPILING_EMULATOR), so ctest and test discovery run .exe files
# through it.
#
#   scripts/wine-run.sh program.exe [arguments...]
#
# Run the tests through scripts/windows-tests.sh or scripts/wine-session.sh, which
# start an X display and Wine's services first; this script alone only makes sure
# that the prefix exists.
set -euo pipefail
# shellcheck source=scripts/wine-env.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
wine_prefix_ensure

# The first program on Wine's desktop starts the desktop's process
# (explorer.exe), which inherits the program's output and lives on for as long
# as other programs use the desktop. ctest reads a test's output until its last
# holder closes it, so a test that happened to start the desktop would seem to
# run until the whole suite was done. Unless the output is a terminal, the
# program writes into files of its own, copied out once it has exited.
if [ -t 1 ] || [ -t 2 ]; then
    exec "$WINE64" "$@"
fi
output=$(mktemp -d)
trap 'rm -rf "$output"' EXIT
status=0
"$WINE64" "$@" >"$output/stdout" 2>"$output/stderr" || status=$?
cat "$output/stdout"
cat "$output/stderr" >&2
exit "$status"
