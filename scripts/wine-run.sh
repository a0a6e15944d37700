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
exec "$WINE64" "$@"
