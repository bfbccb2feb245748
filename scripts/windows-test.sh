#!/usr/bin/env bash
# make test's Windows part: runs the windows build's tests under Wine, in the
# headless test prefix, on a private Xvfb display that is stopped afterwards.
# Usage: scripts/windows-test.sh [ctest arguments...]
# TARNWELL_BUILD_DIR picks another build of the windows preset.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="$root/build/wine-test"
"$root/scripts/wine-prefix.sh" "$WINEPREFIX" headless

if [[ ${1:-} != --inside-display ]]; then
    exec "$root/scripts/xvfb.sh" "$0" --inside-display "$@"
fi
shift

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One wineserver for the whole run instead of one per test, and none left
# behind: a server tied to an earlier display would break the next run.
wineserver -k 2>/dev/null || true
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
# Start Wine's own background processes (services, the desktop) now, with no
# output pipe: started by the first test they would hold ctest's pipe open.
wine wineboot >/dev/null 2>&1 </dev/null

# The test printers write the text of each job here (see wine-prefix.sh).
export PRINT_OUT="$root/build/print-test/job.txt"
mkdir -p "${PRINT_OUT%/*}"

cd "$root"
if [[ -n ${TARNWELL_BUILD_DIR:-} ]]; then
    ctest --test-dir "$TARNWELL_BUILD_DIR" --output-on-failure --timeout 120 "$@"
else
    ctest --preset windows "$@"
fi
