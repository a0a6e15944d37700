#!/usr/bin/env bash
# Loads session pages written by `zedrunner --html` in Debian's Chromium,
# headless: each must load with no console message (a script error or any
# console output would show as a CONSOLE line in the browser's log), give a
# screenshot, load nothing from elsewhere, and hold one numbered step per
# action of its script and a figure exactly for the actions that changed the
# drawing or asked something.
# Usage: browser-session-page.sh ZEDRUNNER EXAMPLES_DIR WORK_DIR
# Exit status 77 (skipped) when chromium is not installed.
set -euo pipefail
runner=$(realpath "$1")
examples=$(realpath "$2")
work=$(realpath -m "$3")
if ! command -v chromium >/dev/null 2>&1; then
    echo "SKIP: chromium is not installed (scripts/install-deps.sh installs it)"
    exit 77
fi
rm -rf "$work" && mkdir -p "$work"
browser=(chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --no-first-run
         --user-data-dir="$work/profile" --enable-logging=stderr --v=0)

failed=0
fail() { echo "FAIL: $*"; failed=1; }

# check NAME FIGURED: the page of example NAME, whose figures must be the
# steps FIGURED (their numbers, in order).
check() {
    local name=$1 figured=$2 dir=$work/$1
    mkdir -p "$dir"
    (cd "$dir" && "$runner" --drawing "$examples/$name.drw" --script "$examples/$name.script" \
        --registry "$dir/settings.reg" --html "$dir/page.html" >transcript.txt 2>stderr.txt) ||
        { fail "$name: zedrunner failed"; cat "$dir/stderr.txt"; return; }
    "${browser[@]}" --window-size=1072,1600 --screenshot="$dir/page.png" "file://$dir/page.html" \
        >"$dir/screenshot.out" 2>"$dir/screenshot.log" || fail "$name: the browser failed to take the screenshot"
    [ -s "$dir/page.png" ] || fail "$name: no screenshot"
    "${browser[@]}" --dump-dom "file://$dir/page.html" >"$dir/dom.html" 2>"$dir/dom.log" ||
        fail "$name: the browser failed to load the page"
    if grep -h ':CONSOLE' "$dir/screenshot.log" "$dir/dom.log"; then
        fail "$name: the page wrote to the console (above)"
    fi
    # Nothing from elsewhere: no script, style sheet, frame, image or link.
    if grep -Eo '<(script|link|iframe|img|object|embed)[ >]|(src|href)=|url\(' "$dir/dom.html" | sort -u | grep .; then
        fail "$name: the page refers to something outside it (above)"
    fi
    # One numbered step per action of the script (its lines less blanks and comments).
    local actions steps figures numbers
    actions=$(grep -cvE '^[[:space:]]*(#|$)' "$examples/$name.script")
    steps=$(grep -o '<li class="step[ "]' "$dir/dom.html" | wc -l)
    [ "$steps" -eq "$actions" ] || fail "$name: $steps steps for $actions actions"
    figures=$(grep -o '<figure>' "$dir/dom.html" | wc -l)
    numbers=$(grep -o '<li class="step" id="step-[0-9]*">' "$dir/dom.html" | grep -o '[0-9][0-9]*' | xargs)
    [ "$numbers" = "$figured" ] || fail "$name: figures for steps '$numbers', expected '$figured'"
    [ "$figures" -eq "$(wc -w <<<"$figured")" ] || fail "$name: $figures figures for the steps '$figured'"
    echo "$name: $steps steps, figures for steps $numbers; screenshot $dir/page.png"
}

# Plan pattern A: every action asks something or changes the drawing.
check planea "1 2 3 4 5 6"
# The chooser: the start asks for a pattern; the double click types PlaneA,
# which asks for a line; the pick builds the shoulder; the end takes the
# temporary dimensions away. The other dialog actions (settings, pickers) and
# the picture written change nothing in the drawing.
check chooser "1 19 20 22"
exit $failed
