#!/usr/bin/env bash
# Checks what a Windows DLL or program imports and exports, as its PE headers
# say.
#
#   check-pe-interface.sh OBJDUMP FILE [--export NAME]... [--host-calls-only] [--without-call NAME]...
#
# Always fails when FILE imports from anything but the Windows system DLLs and
# the host's ZedLib.dll. A binary that pulled in the compiler's runtime DLLs
# (libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll) would not load
# where those are missing: Wine then exits with code 53 and says nothing.
#
# --export NAME: FILE exports exactly the names given, each of them and no other.
# --host-calls-only: FILE imports nothing but Zed* calls from ZedLib.dll (a
# plug-in must not call the emulated host's test interface, which a real host
# does not have).
# --without-call NAME: FILE does not import the host call NAME (the legacy
# plug-in and the calls the older host lacks).
set -euo pipefail

usage() {
    echo "usage: $0 OBJDUMP FILE [--export NAME]... [--host-calls-only] [--without-call NAME]..." >&2
    exit 2
}
[ $# -ge 2 ] || usage
objdump=$1
file=$2
shift 2
check_exports=0
host_calls_only=0
wanted_exports=()
absent_calls=()
while [ $# -gt 0 ]; do
    case "$1" in
        --export)
            [ $# -ge 2 ] || usage
            check_exports=1
            wanted_exports+=("$2")
            shift 2 ;;
        --host-calls-only)
            host_calls_only=1
            shift ;;
        --without-call)
            [ $# -ge 2 ] || usage
            absent_calls+=("$2")
            shift 2 ;;
        *) usage ;;
    esac
done

headers=$("$objdump" -p "$file") || { echo "cannot read the headers of $file" >&2; exit 2; }

# "DLL<TAB>" once for every imported DLL, then "DLL<TAB>function" for each of its
# imported functions.
imports=$(awk '
    /^\tDLL Name: / { dll = $3; print dll "\t"; next }
    dll != "" && /^\t[0-9a-f]+\t/ { print dll "\t" $3; next }
    /^$/ || /^[^\t]/ { dll = "" }
' <<<"$headers" | sort -u)

# Names in the export name pointer table.
exports=$(awk '
    /^\[Ordinal\/Name Pointer\] Table/ { inside = 1; next }
    inside && /^\t\[ *[0-9]+\] / { print $3; next }
    inside { inside = 0 }
' <<<"$headers" | sort -u)

is_system_dll() {
    case "${1,,}" in
        kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | comctl32.dll | comdlg32.dll | shell32.dll | \
            shlwapi.dll | ole32.dll | oleaut32.dll | uxtheme.dll | msimg32.dll | version.dll | imm32.dll | \
            msvcrt.dll | ucrtbase.dll | ntdll.dll | api-ms-win-*.dll)
            return 0 ;;
    esac
    return 1
}

echo "Imported DLLs of $file:"
cut -f1 <<<"$imports" | sort -u | sed 's/^/  /'
echo "Exports of $file:"
if [ -n "$exports" ]; then sed 's/^/  /' <<<"$exports"; else echo "  (none)"; fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if [ -z "$imports" ]; then
    fail "no import table found (not a PE file, or objdump's format changed)"
fi
while IFS=$'\t' read -r from function; do
    [ -n "$from" ] || continue
    if [ "${from,,}" = "zedlib.dll" ]; then
        if [ $host_calls_only -eq 1 ] && [ -n "$function" ] && [[ "$function" != Zed* ]]; then
            fail "imports $function from $from, which is not a ZedLib call"
        fi
        for absent in "${absent_calls[@]}"; do
            [ "$function" = "$absent" ] && fail "imports $function, a call the host does not have"
        done
    elif [ -z "$function" ] && ! is_system_dll "$from"; then
        fail "unexpected import of $from"
    fi
done <<<"$imports"

if [ $check_exports -eq 1 ]; then
    for name in $exports; do
        keep=0
        for wanted in "${wanted_exports[@]}"; do
            [ "$name" = "$wanted" ] && keep=1
        done
        [ $keep -eq 1 ] || fail "unexpected export $name"
    done
    for wanted in "${wanted_exports[@]}"; do
        grep -qxF -- "$wanted" <<<"$exports" || fail "missing export $wanted"
    done
fi

if [ $failures -ne 0 ]; then
    echo "$file: $failures interface problem(s)"
    exit 1
fi
echo "$file: interface as expected"
