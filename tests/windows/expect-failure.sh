#!/usr/bin/env bash
# Runs a check that must fail, and fail for the given reason.
#
#   expect-failure.sh MESSAGE COMMAND [ARGUMENTS...]
#
# Succeeds when COMMAND exits with a status other than 0 and its output holds
# the line MESSAGE.
set -uo pipefail
message=$1
shift
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ $status -eq 0 ]; then
    echo "expected the check to fail, but it passed"
    exit 1
fi
if ! grep -qxF -- "$message" <<<"$output"; then
    echo "expected the line: $message"
    exit 1
fi
