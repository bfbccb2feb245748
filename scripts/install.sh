#!/usr/bin/env bash
# make install: the tarnwell and tarnwell-cli commands, the programs and the
# scripts they start them with, the menu entry, the icon and the .tnw
# document type under PREFIX. Every file placed and every folder made is
# listed in PREFIX/lib/tarnwell/install-manifest as it happens, which is
# all that scripts/uninstall.sh removes.
# Usage: scripts/install.sh PREFIX [BUILD]   (BUILD: a windows build, by default build/windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=$(realpath -m "$1")
build=${2:-$root/build/windows}
for exe in tarnwell.exe tarnwell-cli.exe; do
    [[ -f $build/app/$exe ]] || { echo "$build/app/$exe is not built; run make install" >&2; exit 1; }
done
manifest=$prefix/lib/tarnwell/install-manifest
# Installing again replaces the earlier installation as a whole.
[[ -f $manifest ]] && "$root/scripts/uninstall.sh" "$prefix"

created=()
# Makes the folder `relative` under PREFIX with the parents it lacks, noting each one made.
folder() {
    local path=$1 missing=()
    while [[ ! -d $prefix/$path ]]; do
        missing=("$path" "${missing[@]}")
        [[ $path == */* ]] || break
        path=${path%/*}
    done
    for path in "${missing[@]}"; do
        mkdir "$prefix/$path"
        if [[ -f $manifest ]]; then echo "d $path" >>"$manifest"; else created+=("$path"); fi
    done
}
mkdir -p "$prefix"
folder lib/tarnwell
echo "f lib/tarnwell/install-manifest" >"$manifest"
for path in "${created[@]}"; do echo "d $path" >>"$manifest"; done

# place MODE SOURCE DESTINATION (relative to PREFIX)
place() {
    folder "$(dirname "$3")"
    install -m "$1" "$2" "$prefix/$3"
    echo "f $3" >>"$manifest"
}
place 755 "$root/resources/desktop/launcher.sh" bin/tarnwell
place 755 "$root/resources/desktop/launcher.sh" bin/tarnwell-cli
place 644 "$build/app/tarnwell.exe" lib/tarnwell/tarnwell.exe
place 644 "$build/app/tarnwell-cli.exe" lib/tarnwell/tarnwell-cli.exe
place 755 "$root/scripts/wine.sh" lib/tarnwell/wine.sh
place 755 "$root/scripts/wine-prefix.sh" lib/tarnwell/wine-prefix.sh
place 644 "$root/resources/desktop/tarnwell.svg" share/icons/hicolor/scalable/apps/tarnwell.svg
place 644 "$root/resources/desktop/tarnwell-mime.xml" share/mime/packages/tarnwell.xml
entry=$(mktemp)
trap 'rm -f "$entry"' EXIT
sed "s|@BINDIR@|$prefix/bin|" "$root/resources/desktop/tarnwell.desktop" >"$entry"
place 644 "$entry" share/applications/tarnwell.desktop

# The desktop's own indexes, where their tools are installed.
if command -v update-mime-database >/dev/null; then update-mime-database "$prefix/share/mime"; fi
if command -v update-desktop-database >/dev/null; then update-desktop-database "$prefix/share/applications"; fi
echo "Tarnwell installed in $prefix: run $prefix/bin/tarnwell [FILE.tnw]"
