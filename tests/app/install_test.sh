#!/usr/bin/env bash
# make install into an empty-but-for-one-file PREFIX: the installed tarnwell
# command opens a document whose name has a space in the window titled by
# it, and ends with status 0 once Wine's taskkill asks the window to close;
# make uninstall then leaves PREFIX as it was. make dist's archive holds its
# five files and their sums check. Runs inside scripts/windows-test.sh
# (its Wine prefix and display).
# Usage: install_test.sh SOURCE_DIR WINDOWS_BUILD_DIR
set -uo pipefail
source=$1 build=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
expect() { [[ $2 == "$3" ]] || { echo "FAIL: $1: expected [$2], got [$3]" >&2; failures=$((failures + 1)); }; }
listing() { (cd "$1" && find . -printf '%p %s %m\n' | sort); }

prefix=$tmp/prefix
mkdir -p "$prefix/share/applications" && echo other >"$prefix/share/applications/other.desktop"
before=$(listing "$prefix")
"$source/scripts/install.sh" "$prefix" "$build" >/dev/null 2>&1
expect "the menu entry" "Exec=$prefix/bin/tarnwell %f" "$(grep ^Exec= "$prefix/share/applications/tarnwell.desktop")"
expect "the document type" "*.tnw" "$(grep -o '\*\.tnw' "$prefix/share/mime/packages/tarnwell.xml")"

cp "$source/fuzz/corpus/loans_payments.tnw" "$tmp/my ledger.tnw"
TARNWELL_WINEPREFIX=$WINEPREFIX "$prefix/bin/tarnwell" "$tmp/my ledger.tnw" &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^my ledger\.tnw$' | head -n 1)
expect "a window titled my ledger.tnw" yes "$([[ -n $window ]] && echo yes)"
wine taskkill /im tarnwell.exe >/dev/null 2>&1
wait "$program"
expect "the program's exit status" 0 $?

"$source/scripts/uninstall.sh" "$prefix" >/dev/null 2>&1
expect "PREFIX after uninstall" "$before" "$(listing "$prefix")"

archive=$("$source/scripts/dist.sh" "$tmp/dist" "$build")
expect "the archive" "README.md SHA256SUMS sample-ledger.tnw tarnwell-cli.exe tarnwell.exe" \
    "$(tar -tzf "$archive" | sed -n 's|^[^/]*/\(.\)|\1|p' | sort | tr '\n' ' ' | sed 's/ $//')"
tar -C "$tmp/dist" -xzf "$archive" && (cd "$tmp/dist"/tarnwell-*/ && sha256sum --quiet -c SHA256SUMS)
expect "the archive's sums" 0 $?
exit $((failures > 0))
