#!/usr/bin/env bash
# Prepares a Wine prefix owned by the project (never ~/.wine).
# Usage: scripts/wine-prefix.sh PREFIX [headless]
#   Every prefix maps "Courier New", the ledger font, to Liberation Mono, and
#   offers the printer "Tarnwell PDF" (Wine's PostScript driver piped through
#   ps2pdf into a PDF file in $TARNWELL_PDF_DIR) besides whatever CUPS
#   printers Wine finds when the program starts.
#   headless: also lets Wine place windows and move the focus itself, for
#   an X server without a window manager (tests and screenshots), and adds
#   the test printers, which write the text of each job to $PRINT_OUT:
#   PSFILE (Letter, the default printer) and PSFILE_A4 (A4).
# A prefix that was completely prepared once is reused as it is; the marker's
# name changes when the preparation does, so older prefixes are brought up to date.
set -euo pipefail
prefix=$(realpath -m "$1")  # Wine wants an absolute path
mode=${2:-}
ready="$prefix/.tarnwell-ready-printers${mode:+-$mode}"

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

# A printer of Wine's PostScript driver whose port pipes each job into a
# shell command. The command runs in the program's environment, so the
# variables in it are read when a job ends. Wine keeps a printer's page size
# from its first use, so each size has its own printer.
printer() {
    local name=$1 pageSize=$2 port=$3
    port=${port//\\/\\\\}
    port=${port//\"/\\\"}
    echo "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Print\\Printers\\$name]"
    echo "\"Name\"=\"$name\""
    echo "\"Port\"=\"$port\""
    echo "\"Printer Driver\"=\"$name\""
    echo "\"Print Processor\"=\"WinPrint\""
    echo "\"Datatype\"=\"RAW\""
    echo "\"Attributes\"=dword:00000000"
    echo "\"Priority\"=dword:00000001"
    echo "\"Status\"=dword:04000000"
    echo
    echo "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Print\\Printers\\$name\\PPD Overrides]"
    echo "\"DefaultPageSize\"=\"$pageSize\""
    echo
    echo "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Devices]"
    echo "\"$name\"=\"wineps.drv,$port\""
    echo
}

defaultPrinter() {
    local name=$1 port=$2
    port=${port//\\/\\\\}
    port=${port//\"/\\\"}
    echo "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows]"
    echo "\"device\"=\"$name,wineps.drv,$port\""
    echo
}

# Ghostscript reads a job from a pipe ten times slower than from a file, so
# each job is put in a temporary file first.
pdfPort='|f=$(mktemp) && cat > "$f" && ps2pdf "$f" "${TARNWELL_PDF_DIR:-$HOME}/tarnwell-$(date +%Y%m%d-%H%M%S).pdf"; rm -f "$f"'
textPort='|f=$(mktemp) && cat > "$f" && ps2pdf "$f" "$f.pdf" && pdftotext -layout "$f.pdf" "$PRINT_OUT"; rm -f "$f" "$f.pdf"'

settings=$(mktemp --suffix=.reg)
trap 'rm -f "$settings"' EXIT
{
    echo "REGEDIT4"
    echo
    echo "[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]"
    echo "\"Courier New\"=\"Liberation Mono\""
    echo
    printer "Tarnwell PDF" Letter "$pdfPort"
    if [[ $mode == headless ]]; then
        echo "[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]"
        echo "\"Managed\"=\"N\""
        echo
        printer PSFILE Letter "$textPort"
        printer PSFILE_A4 A4 "$textPort"
        defaultPrinter PSFILE "$textPort"
    else
        defaultPrinter "Tarnwell PDF" "$pdfPort"
    fi
} >"$settings"

# regedit fails now and then on a fresh prefix, while Wine is still
# finishing its first start; each try waits for the server to end first.
import_settings() {
    wineserver -w
    wine regedit "$(winepath -w "$settings" 2>/dev/null)" >/dev/null 2>&1 && wineserver -w
}
for try in 1 2 3 4; do
    import_settings && break
    [[ $try -lt 4 ]] || { echo "Can not import the Wine settings into $prefix" >&2; exit 1; }
    echo "regedit failed; retrying" >&2
done
install_marlett
touch "$ready"
