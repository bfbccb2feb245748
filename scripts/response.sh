#!/usr/bin/env bash
# make bench's Windows part: the response timings of the optimised build in
# the real window under Wine, on a private Xvfb display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="$root/build/wine-test"
if [[ ${1:-} != --inside-display ]]; then
    "$root/scripts/wine-prefix.sh" "$WINEPREFIX" headless
    exec "$root/scripts/xvfb.sh" "$0" --inside-display
fi
# Wine's own processes end before the display does.
trap 'wineserver -k 2>/dev/null || true' EXIT
"$root/scripts/wine.sh" "$root/build/windows-bench/bench/tarnwell_response.exe"
