#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (never
# ~/.wine): the emulator of the windows build and the launcher of make run.
# Usage: scripts/wine.sh program.exe [arguments...]
# WINEPREFIX may be set by the caller (scripts/windows-test.sh, scripts/run.sh);
# otherwise the headless test prefix is used.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wine-test}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No offer to download Mono or Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A file-size limit for a test of a write that fails part-way: writes past
# it fail instead of ending the process.
if [[ -n ${TARNWELL_FILE_SIZE_LIMIT:-} ]]; then
    ulimit -f "$TARNWELL_FILE_SIZE_LIMIT"
    trap '' XFSZ
fi
exec wine "$@"
