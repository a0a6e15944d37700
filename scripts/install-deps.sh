#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages, when it is
# missing. Safe to run again.
set -euo pipefail

# ninja-build and ccache make the test command's builds quicker (scripts/test.sh
# and the build use them when they are there).
want=(cmake g++ make ninja-build ccache libgtest-dev libgmock-dev googletest libbenchmark-dev librapidcheck-dev
      python3-ezdxf)
# Chromium, headless, loads a session page in the browser test.
want+=(chromium)
if [ "${1:-}" = "--fuzz" ]; then
  # clang with its libFuzzer runtime, for scripts/fuzz.sh.
  want+=(clang libclang-rt-14-dev)
fi
if [ "${1:-}" = "--bitmaps" ]; then
  # rsvg-convert and the font of the dimension values, for scripts/make-bitmaps.sh.
  want+=(librsvg2-bin fonts-dejavu-core)
fi
if [ "${1:-}" = "--pages" ]; then
  # The Korean messages and the sans-serif text in the session pages' pictures,
  # for scripts/make-session-pages.sh.
  want+=(fonts-nanum fonts-dejavu-core)
fi
if [ "${1:-}" = "--windows" ]; then
  # wine64-preloader keeps the address ranges Wine needs free; without it a
  # program fails to start now and then ("failed to map the shared user data").
  # locales: the Korean locale under which the legacy build's tests run in Wine,
  # whose ANSI code page then is 949.
  want+=(g++-mingw-w64-x86-64-posix wine64 wine64-preloader xvfb locales)
  # Debian's pefile reads the DLLs' version resources in the release checks.
  want+=(python3-pefile)
  # The dialogs' Korean captions under Wine (NanumGothic stands in for "MS Shell
  # Dlg"), Wine's own fonts (Marlett draws the title bars' close boxes), and
  # ImageMagick's import for the screenshots of the real windows.
  want+=(fonts-nanum fonts-wine imagemagick)
fi

missing=()
for pkg in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ "${1:-}" = "--windows" ] && ! locale -a 2>/dev/null | grep -qix 'ko_KR\.utf-\?8'; then
  echo "Generating the locale ko_KR.UTF-8"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO localedef -i ko_KR -c -f UTF-8 ko_KR.UTF-8
fi
