#!/usr/bin/env bash
# The installed commands: `tarnwell [FILE.tnw]` starts the program under
# Wine, on the document when one is given; `tarnwell-cli ...` runs the
# headless companion. Both are this script, installed under the two names
# in PREFIX/bin, and find the programs in PREFIX/lib/tarnwell.
# The Wine prefix is the user's own, made on first start in
# $XDG_DATA_HOME/tarnwell/wine-prefix; TARNWELL_WINEPREFIX names another,
# which is used as it stands.
set -euo pipefail
lib=$(realpath "$(dirname "$(realpath "$0")")/../lib/tarnwell")
if [[ -n ${TARNWELL_WINEPREFIX:-} ]]; then
    export WINEPREFIX=$TARNWELL_WINEPREFIX
else
    export WINEPREFIX=${XDG_DATA_HOME:-$HOME/.local/share}/tarnwell/wine-prefix
    # Printing to "Tarnwell PDF" saves its PDF files in the home folder.
    export TARNWELL_PDF_DIR=${TARNWELL_PDF_DIR:-$HOME}
    "$lib/wine-prefix.sh" "$WINEPREFIX"
fi

if [[ ${0##*/} == tarnwell-cli ]]; then
    exec "$lib/wine.sh" "$lib/tarnwell-cli.exe" "$@"
fi
if [[ $# -gt 1 || ${1:-} == -* ]]; then
    echo "Usage: tarnwell [FILE.tnw]" >&2
    exit 2
fi
if [[ $# -eq 1 ]]; then
    # The program takes a Windows path: the file's absolute name on drive Z:.
    exec "$lib/wine.sh" "$lib/tarnwell.exe" "$(winepath -w "$(realpath -m "$1")" 2>/dev/null)"
fi
exec "$lib/wine.sh" "$lib/tarnwell.exe"
