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

# Wine draws the caption buttons of a window it frames itself (headless
# mode) with the glyphs of its Marlett font. Debian's Wine 8 does not load
# the fonts of its data folder (/usr/share/wine/fonts, package fonts-wine),
# so without this the buttons show Marlett's letters "0 1 r" in another
# font; a copy in the prefix's Fonts folder is found.
install_marlett() {
    local fonts="$prefix/drive_c/windows/Fonts"
    [[ -d $fonts && ! -f $fonts/marlett.ttf ]] && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    return 0
}
if [[ -f $ready ]]; then
    install_marlett
    exit 0
fi

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
install_marlett
touch "$ready"
