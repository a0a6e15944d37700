#!/usr/bin/env bash
# Runs a command inside a Wine session: the prefix made if missing, a virtual X
# display, Wine's services started beforehand and detached, and all of it
# stopped afterwards, also when the command fails.
#
#   scripts/wine-session.sh ctest --test-dir build/win -R settings --output-on-failure
#   scripts/wine-session.sh scripts/wine-run.sh build/win/bin/zedrunner.exe --help
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGUMENTS...]" >&2; exit 2; }
# shellcheck source=scripts/wine-env.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start
"$@"
