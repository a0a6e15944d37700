#!/usr/bin/env bash
# Unpacks the release package and checks what it holds.
#
#   check-package.sh ZIP VERSION OBJDUMP RELEASE_TESTS OLDER_HOST_LACKS...
#
# - exactly the files the package promises, each listed with its right
#   checksum in SHA256SUMS;
# - each DLL exports Startup alone and imports nothing but Windows and host
#   calls, the legacy DLL none of the calls the older host lacks (given after
#   RELEASE_TESTS);
# - each DLL's version resource: VERSION, ProductName, its build;
# - the current build's settings file read back by the plug-in's loaders
#   (RELEASE_TESTS, natively through the portable settings store): every value
#   there and each the first start's default; the legacy file the same values
#   less the hole kinds, which the legacy build does not have.
# Exits 77 (skipped) when there is no package: scripts/package.sh makes it.
set -uo pipefail
[ $# -ge 4 ] || { echo "usage: $0 ZIP VERSION OBJDUMP RELEASE_TESTS [CALL...]" >&2; exit 2; }
zip=$1
version=$2
objdump=$3
release_tests=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
windows_checks=$here/../windows

if [ ! -f "$zip" ]; then
    echo "no package $zip (scripts/package.sh makes it)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

/usr/bin/python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$work/pkg" ||
    { echo "FAIL: cannot unpack $zip"; exit 1; }
cd "$work/pkg" || exit 1

expected="INSTALL.md
Ledgewright-defaults.reg
Ledgewright.dll
SHA256SUMS
legacy/Ledgewright-defaults.reg
legacy/Ledgewright.dll"
found=$(find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$found" = "$expected" ] || fail "the package holds"$'\n'"$found"$'\n'"expected"$'\n'"$expected"

listed=$(sed 's/^[0-9a-f]\{64\}  //' SHA256SUMS | LC_ALL=C sort)
[ "$listed" = "$(grep -v '^SHA256SUMS$' <<<"$expected")" ] || fail "SHA256SUMS lists"$'\n'"$listed"
sha256sum --quiet -c SHA256SUMS || fail "a checksum does not match"

without=()
for call in "$@"; do
    without+=(--without-call "$call")
done
"$windows_checks/check-pe-interface.sh" "$objdump" Ledgewright.dll --export Startup --host-calls-only ||
    fail "the current DLL's interface"
"$windows_checks/check-pe-interface.sh" "$objdump" legacy/Ledgewright.dll --export Startup --host-calls-only \
    "${without[@]}" || fail "the legacy DLL's interface"

/usr/bin/python3 "$windows_checks/check-version-resource.py" Ledgewright.dll "$version" current ||
    fail "the current DLL's version resource"
/usr/bin/python3 "$windows_checks/check-version-resource.py" legacy/Ledgewright.dll "$version" legacy ||
    fail "the legacy DLL's version resource"

mkdir -p "$work/current/settings"
cp Ledgewright-defaults.reg "$work/current/settings/"
LEDGEWRIGHT_BUILD_DIR=$work/current "$release_tests" --gtest_brief=1 || fail "the settings file read back"
grep -vE '^"P[ABC]_Hole"=' Ledgewright-defaults.reg >"$work/legacy-expected.reg"
cmp -s "$work/legacy-expected.reg" legacy/Ledgewright-defaults.reg ||
    fail "the legacy settings file is not the current one less the hole kinds"

[ $failures -eq 0 ] && echo "the package $zip is whole"
[ $failures -eq 0 ]
