#!/usr/bin/env bash
# The package check must notice a broken package: made from the real package
# with one fault each, every copy must fail the check for its own reason.
#
#   check-package-catches.sh CHECK ZIP VERSION OBJDUMP RELEASE_TESTS OLDER_HOST_LACKS...
set -uo pipefail
check=$1
zip=$2
shift 2
if [ ! -f "$zip" ]; then
    echo "no package $zip (scripts/package.sh makes it)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Writes a copy of the package after FAULT (a shell command run in its
# unpacked folder), checks it and wants the line MESSAGE.
expect_caught() {
    local name=$1 message=$2 fault=$3
    rm -rf "$work/pkg" && mkdir "$work/pkg"
    /usr/bin/python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$work/pkg"
    (cd "$work/pkg" && eval "$fault")
    /usr/bin/python3 -c 'import os, sys, zipfile
with zipfile.ZipFile(sys.argv[2], "w") as z:
    for d, _, fs in os.walk(sys.argv[1]):
        for f in fs:
            z.write(os.path.join(d, f), os.path.relpath(os.path.join(d, f), sys.argv[1]))' "$work/pkg" "$work/$name.zip"
    local output
    output=$("$check" "$work/$name.zip" "$@" 2>&1)
    if [ $? -eq 0 ] || ! grep -qxF -- "$message" <<<"$output"; then
        echo "not caught: $name (wanted: $message)"
        printf '%s\n' "$output" | sed 's/^/  /'
        failures=$((failures + 1))
    else
        echo "caught: $name"
    fi
}
# The package itself passes, so that each fault below is what the check finds.
if ! "$check" "$zip" "$@" >"$work/whole.out" 2>&1; then
    echo "the package itself fails the check:"
    cat "$work/whole.out"
    exit 1
fi
resum='sha256sum Ledgewright.dll Ledgewright-defaults.reg legacy/Ledgewright.dll legacy/Ledgewright-defaults.reg INSTALL.md >SHA256SUMS'

expect_caught changed_file "FAIL: a checksum does not match" 'echo changed >>INSTALL.md' "$@"
expect_caught extra_file "FAIL: SHA256SUMS lists" 'echo x >notes.txt; sha256sum notes.txt >>SHA256SUMS' "$@"
expect_caught swapped_dlls "FAIL: the legacy DLL's interface" \
    "mv Ledgewright.dll x; mv legacy/Ledgewright.dll Ledgewright.dll; mv x legacy/Ledgewright.dll; $resum" "$@"
expect_caught value_missing "FAIL: the settings file read back" \
    "grep -v '^\"SB_DisplayLType\"=' Ledgewright-defaults.reg >r; mv r Ledgewright-defaults.reg; $resum" "$@"
expect_caught other_default "FAIL: the settings file read back" \
    "sed -i 's/\"PD_Color\"=\"MAINCOLOR09\"/\"PD_Color\"=\"MAINCOLOR12\"/' Ledgewright-defaults.reg; $resum" "$@"
expect_caught legacy_settings "FAIL: the legacy settings file is not the current one less the hole kinds" \
    "cp Ledgewright-defaults.reg legacy/; $resum" "$@"
[ $failures -eq 0 ]
