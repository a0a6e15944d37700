#!/usr/bin/env bash
# Makes the release package build/package/ledgewright-<version>-win64.zip:
#
#   Ledgewright.dll, Ledgewright-defaults.reg          the current build
#   legacy/Ledgewright.dll, legacy/Ledgewright-defaults.reg   the legacy build
#   INSTALL.md                                         docs/install.md
#   SHA256SUMS                                         of every other file
#
# The DLLs are cross-built in build/win and build/win-legacy (Release), the
# settings files by the native trees build/asan and build/legacy (the test
# command's), where the plug-in's first start writes them; the version is the
# CMake project's. Every file is stored with one fixed time, so the same
# inputs give the same zip.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows
# shellcheck source=scripts/cmake-generator.sh
. scripts/cmake-generator.sh
jobs=$(nproc 2>/dev/null || echo 2)

win=${LEDGEWRIGHT_WIN_BUILD_DIR:-build/win}
win_legacy=${LEDGEWRIGHT_WIN_LEGACY_BUILD_DIR:-build/win-legacy}
native=build/asan
native_legacy=build/legacy

for dir in "$native" "$native_legacy"; do
    legacy=OFF
    [ "$dir" = "$native_legacy" ] && legacy=ON
    # shellcheck disable=SC2046  # the generator's options are words of their own
    cmake -S . -B "$dir" $(cmake_generator_for "$dir") -DCMAKE_BUILD_TYPE=Debug -DLEDGEWRIGHT_SANITIZE=ON \
        -DLEDGEWRIGHT_LEGACY=$legacy >/dev/null
    cmake --build "$dir" -j"$jobs" --target settings_defaults_reg
done
for dir in "$win" "$win_legacy"; do
    legacy=OFF
    [ "$dir" = "$win_legacy" ] && legacy=ON
    # shellcheck disable=SC2046
    cmake -S . -B "$dir" $(cmake_generator_for "$dir") -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
        -DCMAKE_BUILD_TYPE=Release -DLEDGEWRIGHT_LEGACY=$legacy >/dev/null
    cmake --build "$dir" -j"$jobs" --target Ledgewright
done

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$win/CMakeCache.txt")
[ -n "$version" ] || { echo "$0: no project version in $win/CMakeCache.txt" >&2; exit 1; }
name=ledgewright-$version-win64
stage=build/package/stage
rm -rf "$stage"
mkdir -p "$stage/legacy"
cp "$win/bin/Ledgewright.dll" "$stage/Ledgewright.dll"
cp "$native/settings/Ledgewright-defaults.reg" "$stage/Ledgewright-defaults.reg"
cp "$win_legacy/bin/Ledgewright.dll" "$stage/legacy/Ledgewright.dll"
cp "$native_legacy/settings/Ledgewright-defaults.reg" "$stage/legacy/Ledgewright-defaults.reg"
sed 's/$/\r/' docs/install.md >"$stage/INSTALL.md"
(cd "$stage" && sha256sum Ledgewright.dll Ledgewright-defaults.reg legacy/Ledgewright.dll \
    legacy/Ledgewright-defaults.reg INSTALL.md >SHA256SUMS)

zip=build/package/$name.zip
rm -f "$zip"
/usr/bin/python3 - "$stage" "$zip" <<'PY'
import os
import sys
import zipfile

stage, out = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as archive:
    for folder, _, files in sorted(os.walk(stage)):
        for name in sorted(files):
            path = os.path.join(folder, name)
            entry = zipfile.ZipInfo(os.path.relpath(path, stage).replace(os.sep, "/"), (2026, 1, 1, 0, 0, 0))
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o644 << 16
            with open(path, "rb") as source:
                archive.writestr(entry, source.read())
PY
echo "$zip:"
/usr/bin/python3 -c 'import sys, zipfile
for i in zipfile.ZipFile(sys.argv[1]).infolist():
    print(f"  {i.file_size:>9}  {i.filename}")' "$zip"
