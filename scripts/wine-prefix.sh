#!/usr/bin/env bash
# Prepares a Wine prefix owned by the project (never ~/.wine).
# Usage: scripts/wine-prefix.sh PREFIX [headless]
#   Every prefix maps "Courier New", the ledger font, to Liberation Mono.
#   headless: also lets Wine place windows and move the focus itself, for
#   an X server without a window manager (tests and screenshots).
# A prefix that was completely prepared once is reused as it is.
set -euo pipefail
prefix=$(realpath -m "$1")  # Wine wants an absolute path
mode=${2:-}
ready="$prefix/.tarnwell-ready${mode:+-$mode}"
[[ -f $ready ]] && exit 0

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
echo "Preparing the Wine prefix $prefix" >&2
wine wineboot -i >/dev/null 2>&1
wineserver -w

settings=$(mktemp --suffix=.reg)
trap 'rm -f "$settings"' EXIT
{
    echo "REGEDIT4"
    echo
    echo "[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]"
    echo "\"Courier New\"=\"Liberation Mono\""
    if [[ $mode == headless ]]; then
        echo
        echo "[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]"
        echo "\"Managed\"=\"N\""
    fi
} >"$settings"

# regedit fails now and then on a fresh prefix; once more is enough.
import_settings() {
    wine regedit "$(winepath -w "$settings" 2>/dev/null)" >/dev/null 2>&1 && wineserver -w
}
if ! import_settings; then
    echo "regedit failed; retrying" >&2
    import_settings || { echo "Can not import the Wine settings into $prefix" >&2; exit 1; }
fi
touch "$ready"
