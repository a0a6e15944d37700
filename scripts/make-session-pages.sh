#!/usr/bin/env bash
# Makes the session pages of docs/sessions/ from the runner's examples: one
# page per pattern (and one of Delete mode and one of the chooser driven as a
# user would), each
# written by `zedrunner --html` from runner/examples/NAME.drw and NAME.script
# (with NAME.reg when there is one, the plug-in's defaults otherwise), and a
# picture of each page as the browser shows it (NAME.png, for the README).
#
#   scripts/make-session-pages.sh                     build, then write the pages and their pictures
#   scripts/make-session-pages.sh --check [ZEDRUNNER] compare the committed pages with what the runner
#                                                     writes now (the pictures are left alone)
#
# LEDGEWRIGHT_PAGES_BUILD_DIR chooses the build folder (default build/asan).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
examples=$root/runner/examples
pages=$root/docs/sessions
# The pages, in the README's order.
names=(planea planeb planec planed sidea sideb sidec delete chooser)

check=0
runner=""
if [ "${1:-}" = "--check" ]; then
    check=1
    runner=${2:-}
fi
if [ -z "$runner" ]; then
    cd "$root"
    if [ "$check" -eq 0 ]; then
        scripts/install-deps.sh
        scripts/install-deps.sh --pages
    fi
    build=${LEDGEWRIGHT_PAGES_BUILD_DIR:-build/asan}
    if [ ! -f "$build/CMakeCache.txt" ]; then
        # shellcheck source=scripts/cmake-generator.sh
        . scripts/cmake-generator.sh
        # shellcheck disable=SC2046
        cmake -S . -B "$build" $(cmake_generator_for "$build") -DLEDGEWRIGHT_SANITIZE=ON >/dev/null
    fi
    cmake --build "$build" -j2 --target zedrunner Ledgewright zed_ap >/dev/null
    runner=$root/$build/bin/zedrunner
fi
runner=$(realpath "$runner")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Writes the page of example $1 to $2. The run happens in a folder of its own,
# where the settings file and any picture the script takes are written.
make_page() {
    local name=$1 out=$2 dir=$work/run-$1
    mkdir -p "$dir"
    if [ -f "$examples/$name.reg" ]; then
        cp "$examples/$name.reg" "$dir/settings.reg"
    fi
    (cd "$dir" && "$runner" --drawing "$examples/$name.drw" --script "$examples/$name.script" \
        --registry "$dir/settings.reg" --html "$out" >transcript.txt 2>stderr.txt) || {
        echo "make-session-pages: the runner failed on $name:" >&2
        cat "$dir/stderr.txt" >&2
        return 1
    }
}

# The page's full height in the browser: a copy that puts it into its title,
# read back from the document the browser ends with.
page_height() {
    local copy=$work/measure.html
    sed 's|</body>|<script>document.title = document.documentElement.scrollHeight;</script></body>|' "$1" >"$copy"
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1072,800 --dump-dom \
        "file://$copy" 2>/dev/null | sed -n 's|.*<title>\([0-9][0-9]*\)</title>.*|\1|p' | head -n 1
}

if [ "$check" -eq 1 ]; then
    stale=()
    for name in "${names[@]}"; do
        make_page "$name" "$work/$name.html"
        cmp -s "$work/$name.html" "$pages/$name.html" || stale+=("$name")
    done
    if [ ${#stale[@]} -gt 0 ]; then
        for name in "${stale[@]}"; do
            echo "docs/sessions/$name.html is not what the runner writes now:"
            diff "$pages/$name.html" "$work/$name.html" | head -n 20 || true
        done
        echo "Run scripts/make-session-pages.sh and commit docs/sessions/."
        exit 1
    fi
    echo "${#names[@]} session pages are current"
    exit 0
fi

mkdir -p "$pages"
for name in "${names[@]}"; do
    make_page "$name" "$pages/$name.html"
    height=$(page_height "$pages/$name.html")
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size="1072,${height:-2000}" \
        --screenshot="$pages/$name.png" "file://$pages/$name.html" 2>/dev/null >/dev/null
    echo "docs/sessions/$name.html ($(wc -c <"$pages/$name.html") bytes), $name.png (1072 x ${height:-2000})"
done
