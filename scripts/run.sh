#!/usr/bin/env bash
# make run: starts tarnwell.exe under Wine.
#   With a $DISPLAY it runs on that display, in the prefix build/wine-prefix.
#   Without one it starts its own Xvfb, waits for the window, saves a
#   screenshot to build/screenshot.png, prints its path and ends the program.
# Usage: scripts/run.sh [--screenshot]   (--screenshot: on the current DISPLAY)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe="${TARNWELL_BUILD_DIR:-$root/build/windows}/app/tarnwell.exe"
[[ -x $exe ]] || { echo "$exe is not built; run make run" >&2; exit 1; }

# The printer "Tarnwell PDF" of every project prefix writes its files here.
export TARNWELL_PDF_DIR="$root/build/printed"
mkdir -p "$TARNWELL_PDF_DIR"

if [[ ${1:-} != --screenshot ]]; then
    if [[ -n ${DISPLAY:-} ]]; then
        echo "Printing to \"Tarnwell PDF\" saves PDF files in $TARNWELL_PDF_DIR" >&2
        export WINEPREFIX="$root/build/wine-prefix"
        "$root/scripts/wine-prefix.sh" "$WINEPREFIX"
        exec "$root/scripts/wine.sh" "$exe"
    fi
    exec "$root/scripts/xvfb.sh" "$0" --screenshot
fi

export WINEPREFIX="$root/build/wine-test"
"$root/scripts/wine-prefix.sh" "$WINEPREFIX" headless
shot="$root/build/screenshot.png"
"$root/scripts/wine.sh" "$exe" &
program=$!
finish() {
    kill "$program" 2>/dev/null || true
    WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true
    wait "$program" 2>/dev/null || true
}
trap finish EXIT
if ! window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tarnwell$' | head -n 1); then
    echo "The Tarnwell window did not appear" >&2
    exit 1
fi
# The window is mapped before its first paint has reached the X server:
# shots are taken until one shows the ledger's text (more than the frame's
# few colours) and the next one is the same picture.
previous=
for _ in $(seq 120); do
    import -window "$window" "$shot"
    current=$(convert "$shot" -format '%k %#' info:)
    [[ ${current%% *} -gt 8 && $current == "$previous" ]] && break
    previous=$current
    sleep 0.25
done
echo "Screenshot of Tarnwell saved to $shot"
