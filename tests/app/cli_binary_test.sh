#!/usr/bin/env bash
# The built tarnwell-cli over the seed documents: exit statuses, and output
# that reaches stdout unchanged (CR LF, zero bytes).
# Usage: cli_binary_test.sh SEED_FOLDER COMMAND...
# COMMAND is the built program, after its emulator when cross-compiled
# (scripts/wine.sh tarnwell-cli.exe).
set -uo pipefail
seeds=$1
shift
program=("$@")
failures=0

expect() {  # description, expected, actual
    if [[ $2 != "$3" ]]; then
        echo "FAIL: $1: expected [$2], got [$3]" >&2
        failures=$((failures + 1))
    fi
}

out=$("${program[@]}" check "$seeds/default.tnw"); expect "check status" 0 $?
expect "check output" OK "$out"

# 438 report lines of the default document, each ended by CR LF.
expect "report bytes" 18460 "$("${program[@]}" report "$seeds/default.tnw" | wc -c)"
expect "report CR LF lines" 438 "$("${program[@]}" report "$seeds/default.tnw" | grep -c $'\r$')"

# Line 1 is 264 bytes ("=E1"), the other 31 are 267; every description
# column of the default document is 45 zero bytes.
expect "export bytes" 8541 "$("${program[@]}" export "$seeds/default.tnw" | wc -c)"
expect "export zero bytes" $((32 * 45)) "$("${program[@]}" export "$seeds/default.tnw" | tr -dc '\0' | wc -c)"

for seed in "$seeds"/*.tnw; do
    "${program[@]}" report "$seed" >/dev/null; expect "report $seed" 0 $?
    "${program[@]}" export "$seed" >/dev/null; expect "export $seed" 0 $?
done

out=$("${program[@]}" check "$seeds/absent.tnw"); expect "absent status" 1 $?
expect "absent output" "Can not obtain a file handle to the selected file." "$out"
"${program[@]}" >/dev/null 2>&1; expect "no arguments" 2 $?
"${program[@]}" --help >/dev/null; expect "help" 0 $?

exit $((failures > 0))
