#!/usr/bin/env bash
# Usage: check-legacy-hidden-calls.sh <c++ compiler> <source root>
# A translation unit that names a call the older host lacks compiles against
# host/zedlib.h in the current configuration and fails in the legacy one
# (ZED_LEGACY=1); a call both hosts have compiles in both.
set -u
compiler=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# compiles <call> <ZED_LEGACY value>: 0 when a use of the call compiles.
compiles() {
  printf '#include "host/zedlib.h"\nint main() { (void)&%s; return 0; }\n' "$1" > "$work/use.cpp"
  "$compiler" -std=c++20 -fsyntax-only -DZED_LEGACY="$2" -I"$root" "$work/use.cpp" 2> "$work/errors.txt"
}

failed=0
if ! compiles ZedSgmGetLayer 1 || ! compiles ZedSgmGetLayer 0; then
  echo "ZedSgmGetLayer does not compile:" >&2
  cat "$work/errors.txt" >&2
  failed=1
fi
for call in ZedSgmSetAttribute ZedSgmGetAttribute ZedSgmDeleteAttribute ZedSgmDeleteAllAttribute \
            ZedSgmGetType ZedElmGetType ZedEvtSetCompareFunction ZedFigRemoveCorner \
            ZedHolCreateFigHole ZedAriItsLinLin ZedAriItsLinArc ZedAriItsArcArc; do
  if ! compiles "$call" 0; then
    echo "$call is not declared in the current configuration" >&2
    failed=1
  fi
  if compiles "$call" 1; then
    echo "$call is declared in the legacy configuration" >&2
    failed=1
  elif ! grep -q "$call" "$work/errors.txt"; then
    echo "$call: the legacy compile failed for another reason:" >&2
    cat "$work/errors.txt" >&2
    failed=1
  fi
done
exit $failed
