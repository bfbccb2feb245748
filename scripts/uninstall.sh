#!/usr/bin/env bash
# make uninstall: removes what scripts/install.sh listed in PREFIX's
# manifest: its files, then the desktop indexes rebuilt without them, then
# the folders it made once they are empty.
# Usage: scripts/uninstall.sh PREFIX
set -euo pipefail
prefix=$(realpath -m "$1")
manifest=$prefix/lib/tarnwell/install-manifest
[[ -f $manifest ]] || { echo "Tarnwell is not installed in $prefix (no $manifest)" >&2; exit 1; }
mapfile -t entries <"$manifest"
made() { printf '%s\n' "${entries[@]}" | grep -qx "d $1"; }

for entry in "${entries[@]}"; do
    if [[ $entry == "f "* ]]; then rm -f "$prefix/${entry#f }"; fi
done

# An index in a folder the install made, with nothing left to index, is
# removed with the folder; any other is rebuilt without Tarnwell.
mime=$prefix/share/mime
if made share/mime && [[ -z $(ls -A "$mime/packages" 2>/dev/null) ]]; then
    rm -rf "$mime"
elif [[ -d $mime/packages ]] && command -v update-mime-database >/dev/null; then
    update-mime-database "$mime"
fi
applications=$prefix/share/applications
if made share/applications && ! compgen -G "$applications/*.desktop" >/dev/null; then
    rm -f "$applications/mimeinfo.cache"
elif [[ -d $applications ]] && command -v update-desktop-database >/dev/null; then
    update-desktop-database "$applications"
fi

# The folders, deepest first, each only when empty.
for ((i = ${#entries[@]} - 1; i >= 0; i--)); do
    folder=$prefix/${entries[i]#d }
    if [[ ${entries[i]} == "d "* && -d $folder ]]; then rmdir --ignore-fail-on-non-empty "$folder"; fi
done
echo "Tarnwell removed from $prefix"
