# shellcheck shell=bash
# Wine settings and the Wine session of the Windows tests; sourced, not run.
#
#   . scripts/wine-env.sh
#   wine_session_start      # prefix, X display, Wine's background services
#   ...                     # run Windows programs (scripts/wine-run.sh)
#   wine_session_stop       # stops them again (call it from an EXIT trap)
#
# Only the 64-bit Wine is used: Debian's wine64 package puts its loader at
# /usr/lib/wine/wine64 and does not put it on PATH.
#
# The code-page-949 tests of the legacy build will need the ANSI code page 949
# under Wine: run them with LANG=ko_KR.UTF-8 (the locale must exist on the
# machine) so that Wine picks the Korean code pages.

WINE64=${WINE64:-/usr/lib/wine/wine64}
WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver}

# One 64-bit prefix of our own, created once and kept between runs: creating it
# takes seconds, and test programs racing to create it fail. A WINEPREFIX of the
# user's is not used; LEDGEWRIGHT_WINEPREFIX moves ours.
export WINEPREFIX=${LEDGEWRIGHT_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/ledgewright/wineprefix}
export WINEARCH=win64
# Loader errors (a missing DLL) stay visible; the flood of fixme lines does not.
export WINEDEBUG=${WINEDEBUG:-fixme-all}
# No Mono or Gecko installer prompts: the tests need neither .NET nor HTML.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

_wine_xvfb_pid=""

# Creates the prefix when it is missing or unfinished. The marker is written last,
# so an interrupted creation is redone from scratch.
# Callers that may run side by side serialise on a lock file beside the prefix.
wine_prefix_ensure() {
    local marker="$WINEPREFIX/.ledgewright-ready"
    [ -f "$marker" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$marker" ] && exit 0
        echo "Creating the Wine prefix $WINEPREFIX" >&2
        rm -rf "$WINEPREFIX"
        "$WINE64" wineboot --init </dev/null >/dev/null 2>&1
        "$WINESERVER" -w
        [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot did not create $WINEPREFIX" >&2; exit 1; }
        touch "$marker"
    ) 9>"$WINEPREFIX.lock"
}

# Settings of the prefix for the dialogs, written once per prefix with their
# own marker so that prefixes made before this step get them too:
# - Wine maps "MS Shell Dlg" to a font without Hangul, so the dialogs' Korean
#   captions would show as empty boxes; NanumGothic (Debian's fonts-nanum)
#   stands in for it.
# - The virtual display runs no window manager: Wine draws the windows' frames
#   and title bars itself (unmanaged windows) and does not wait, up to a
#   second each time, for a window manager to take a hidden window away.
wine_dialog_settings_ensure() {
    # Wine's own Marlett (fonts-wine) draws the title bars' close boxes; Debian's
    # Wine does not look where the package puts it, but finds it in the prefix.
    local marlett=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ -f "$marlett" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
        cp "$marlett" "$fonts/marlett.ttf.part" && mv "$fonts/marlett.ttf.part" "$fonts/marlett.ttf"
    fi
    local marker="$WINEPREFIX/.ledgewright-dialogs"
    [ -f "$marker" ] && return 0
    (
        flock 9
        [ -f "$marker" ] && exit 0
        local reg="$WINEPREFIX/ledgewright-dialogs.reg"
        printf '%s\r\n' 'REGEDIT4' '' \
            '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
            '"MS Shell Dlg"="NanumGothic"' '"MS Shell Dlg 2"="NanumGothic"' '"Tahoma"="NanumGothic"' '' \
            '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' >"$reg"
        "$WINE64" regedit /S "$(winepath_of "$reg")" </dev/null >/dev/null 2>&1
        "$WINESERVER" -w
        grep -q 'NanumGothic' "$WINEPREFIX/user.reg" || { echo "the dialog settings did not reach $WINEPREFIX" >&2; exit 1; }
        touch "$marker"
    ) 9>"$WINEPREFIX.lock"
}

# A Unix path as Wine's Z: drive sees it.
winepath_of() {
    printf 'Z:%s' "$(realpath "$1" | tr / '\\')"
}

# Starts a virtual X display, unless DISPLAY already names a working one, so that
# windows can be created.
wine_display_start() {
    if [ -n "${DISPLAY:-}" ] && [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ]; then
        return 0
    fi
    local n=99
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
        n=$((n + 1))
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    _wine_xvfb_pid=$!
    export DISPLAY=":$n"
    local _
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        kill -0 "$_wine_xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

# Starts wineserver and Wine's services (services.exe, explorer, ...) detached
# from the caller's pipes. Started later by the first test program instead, they
# would inherit ctest's output pipe and keep ctest waiting long after the tests.
wine_services_start() {
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    "$WINE64" wineboot </dev/null >/dev/null 2>&1
}

wine_session_start() {
    wine_display_start
    wine_prefix_ensure
    wine_dialog_settings_ensure
    wine_services_start
}

# Stops Wine and the display this session started; safe to call twice.
wine_session_stop() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w >/dev/null 2>&1 || true
    if [ -n "$_wine_xvfb_pid" ]; then
        kill "$_wine_xvfb_pid" 2>/dev/null || true
        wait "$_wine_xvfb_pid" 2>/dev/null || true
        _wine_xvfb_pid=""
    fi
}
