#!/usr/bin/env bash
# Runs a command with DISPLAY set to a private Xvfb server on a free display
# number, and stops the server when the command ends, whatever its outcome.
# Usage: scripts/xvfb.sh command [arguments...]
set -euo pipefail
[[ $# -gt 0 ]] || { echo "usage: $0 command [arguments...]" >&2; exit 2; }

# -displayfd makes Xvfb pick a free display and print its number once it
# accepts connections: no guessing and no polling of lock files.
numberFile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile" 2>/dev/null &
xvfb=$!
stop() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -f "$numberFile"
}
trap stop EXIT
for _ in $(seq 300); do
    [[ -s $numberFile ]] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
[[ -s $numberFile ]] || { echo "Xvfb did not report a display" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$numberFile")"
status=0
"$@" || status=$?
exit "$status"
