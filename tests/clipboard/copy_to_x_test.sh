#!/usr/bin/env bash
# The real tarnwell.exe on the test display: Select All, then Copy, and
# another program, xclip, reads the clipboard. It receives the report that
# tarnwell-cli builds for the same document, byte for byte but for the line
# ends: Wine hands text to X programs with Unix line ends.
# Usage: copy_to_x_test.sh SEED_FOLDER EMULATOR TARNWELL_EXE TARNWELL_CLI_EXE
set -euo pipefail
seeds=$1 emulator=$2 program=$3 cli=$4
tmp=$(mktemp -d)
"$emulator" "$program" &
running=$!
trap '[[ -z $running ]] || kill "$running" 2>/dev/null || true; rm -rf "$tmp"' EXIT

# The visible window titled exactly $1, once it is there. A window closing
# meanwhile can make a search fail, so a failed search is made again.
windowNamed() {
    local id
    for _ in $(seq 20); do
        id=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) &&
            [[ -n $id ]] && echo "$id" && return 0
    done
    echo "FAIL: no window titled $1" >&2
    return 1
}
window=$(windowNamed Tarnwell)

# A key that closes the window it is sent to, pressed and never released:
# its release would go to a window that may be gone already.
closingKey() { xdotool keydown --window "$1" "$2"; }

# Select All and Copy by their accelerators, then wait for the report: no
# message can tell another process when the copy happened, so the clipboard
# is read until it holds the report or a minute has passed.
copyReportOf() {
    "$emulator" "$cli" report "$1" | sed 's/\r$//' >"$tmp/expected"
    xclip -selection clipboard -i /dev/null  # no earlier text can pass for the report
    xdotool key --window "$window" ctrl+a ctrl+c
    local deadline=$((SECONDS + 60))
    while ((SECONDS < deadline)); do
        xclip -o -selection clipboard >"$tmp/received" 2>/dev/null && cmp -s "$tmp/expected" "$tmp/received" && return 0
        sleep 0.1
    done
    echo "FAIL: the clipboard does not hold the report of $1:" >&2
    diff "$tmp/expected" "$tmp/received" | head -n 20 >&2
    return 1
}

copyReportOf "$seeds/default.tnw"  # the document at start
# File > Open by the keyboard: loans, payments, negative balances and a
# description of 44 characters.
xdotool key --window "$window" alt+f o
dialog=$(windowNamed Open)
xdotool type --window "$dialog" "$(winepath -w "$seeds/long_description.tnw")"
closingKey "$dialog" Return
windowNamed long_description.tnw >/dev/null
copyReportOf "$seeds/long_description.tnw"

# File > Exit: the opened ledger is unchanged, so nothing is asked and the
# program ends with status 0, its window gone.
xdotool key --window "$window" alt+f
closingKey "$window" x
status=0
wait "$running" || status=$?
running=
[[ $status -eq 0 ]] || { echo "FAIL: Tarnwell ended with status $status" >&2; exit 1; }
if xdotool search --name '^long_description.tnw$' >/dev/null 2>&1; then
    echo "FAIL: the Tarnwell window is still there after Exit" >&2
    exit 1
fi
