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
build=${TARNWELL_BUILD_DIR:-$root/build/windows}
run_tests() { ctest --test-dir "$build" --output-on-failure --timeout 120 "$@"; }

# The save that fails part-way needs a nearly full folder: as root a 64 KiB
# tmpfs, otherwise a 64 KiB file-size limit on that one test's process
# (scripts/wine.sh applies it).
full="$build/full-folder"
mkdir -p "$full"
export TARNWELL_FULL_FOLDER=$full
partWay=Documents.ASaveThatFailsPartWayKeepsTheFile
if [[ $(id -u) -eq 0 ]] && { mountpoint -q "$full" || mount -t tmpfs -o size=64k tarnwell-full "$full"; }; then
    trap 'umount "$full"; wineserver -k 2>/dev/null || true' EXIT
    run_tests "$@"
else
    status=0
    run_tests -E "$partWay" "$@" || status=$?
    TARNWELL_FILE_SIZE_LIMIT=64 run_tests -R "$partWay" "$@" || status=$?
    exit "$status"
fi
