# shellcheck shell=bash
# The CMake generator of the test command's build folders; sourced, not run.
#
#   cmake -S . -B build/asan $(cmake_generator_for build/asan) ...
#
# Ninja when it is installed (scripts/install-deps.sh installs it): it starts
# compiling at once and keeps both cores busy to the last link, where the
# recursive makefiles spend seconds on every folder. A folder already set up
# with another generator keeps it, as CMake cannot switch a folder over.
cmake_generator_for() {
    if [ ! -f "$1/CMakeCache.txt" ] && command -v ninja >/dev/null 2>&1; then
        echo "-G Ninja"
    fi
}
