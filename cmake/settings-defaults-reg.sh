#!/usr/bin/env bash
# Writes the registry file of the plug-in's settings defaults, as its first
# command start on an empty registry writes them: the runner starts the command
# once on an empty settings file, and the file, less the chooser's own row and
# window position, becomes the deployment file (CRLF, as the registry editor
# writes it).
#
#   settings-defaults-reg.sh RUNNER PLUGIN OUT
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 RUNNER PLUGIN OUT" >&2; exit 2; }
runner=$1
plugin=$2
out=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'start\n' >"$work/start.script"
"$runner" --plugin "$plugin" --registry "$work/first-start.reg" --script "$work/start.script" >"$work/transcript"
if grep -qE '^(error|message box|protocol error): ' "$work/transcript"; then
    echo "$0: the first start reported a problem:" >&2
    cat "$work/transcript" >&2
    exit 1
fi
# mMainItemNo and the DialogPos values are where the chooser was left, not
# settings; the chooser opens on the first row and at its own place without them.
grep -vE '^"(mMainItemNo|DialogPos(Left|Right|Top|Bottom))"=' "$work/first-start.reg" | sed 's/$/\r/' >"$work/out"
if LC_ALL=C grep -q '[^[:print:][:space:]]' "$work/out"; then
    echo "$0: the defaults hold text that is not ASCII" >&2
    exit 1
fi
mkdir -p "$(dirname "$out")"
mv "$work/out" "$out"
