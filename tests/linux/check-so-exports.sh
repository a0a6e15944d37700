#!/usr/bin/env bash
# The plug-in's shared library defines exactly one dynamic symbol: Startup.
# Everything else of ours stays inside it, and the ZedLib calls it uses come
# from the host's library (here the emulated host).
# Usage: check-so-exports.sh LIBRARY
set -euo pipefail
library=$1

defined=$(nm -D --defined-only "$library" | awk '{print $3}' | sort)
if [ "$defined" != "Startup" ]; then
    echo "FAIL: $library defines these dynamic symbols, expected Startup alone:"
    echo "$defined"
    exit 1
fi
# The host calls it imports are all ZedLib's own.
unknown=$(nm -D --undefined-only "$library" | awk '{print $2}' | grep -E '^(Zed|_ZN3emu)' | grep -v -E '^Zed[A-Z][a-z]+[A-Za-z0-9]*$' || true)
if [ -n "$unknown" ]; then
    echo "FAIL: $library imports from the host what is no ZedLib call:"
    echo "$unknown"
    exit 1
fi
echo "OK: $library exports Startup alone"
