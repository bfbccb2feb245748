#!/usr/bin/env bash
# Runs the document fuzzer for SECONDS seconds over a scratch copy of the
# seed documents (new inputs it finds never land in fuzz/corpus), then
# prints libFuzzer's final execution count.
# Usage: scripts/fuzz.sh SECONDS
# Needs the fuzz preset built (cmake --preset fuzz && cmake --build --preset fuzz);
# FUZZ_BUILD_DIR names another build folder. Crash inputs are kept in
# <build folder>/fuzz-artifacts/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-}
if [[ ! $seconds =~ ^[0-9]+$ ]] || [[ $seconds -eq 0 ]]; then
    echo "Usage: scripts/fuzz.sh SECONDS" >&2
    exit 2
fi
build=${FUZZ_BUILD_DIR:-$root/build/fuzz}
fuzzer=$build/fuzz/open_document_fuzz
if [[ ! -x $fuzzer ]]; then
    echo "No fuzzer at $fuzzer: build the fuzz preset first." >&2
    exit 1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/corpus"
cp "$root"/fuzz/corpus/*.tnw "$scratch/corpus/"
artifacts=$build/fuzz-artifacts
mkdir -p "$artifacts"

# Documents of up to 156 records: long enough for every check, short
# enough to keep the mutations fast.
status=0
"$fuzzer" -max_total_time="$seconds" -max_len=16384 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$scratch/corpus" >"$scratch/fuzz.log" 2>&1 || status=$?

if [[ $status -ne 0 ]]; then
    tail -n 60 "$scratch/fuzz.log" >&2
    echo "open_document_fuzz failed (exit $status); the input is in $artifacts/" >&2
    exit 1
fi
grep -E '^Done [0-9]+ runs' "$scratch/fuzz.log" || true
grep -E '^stat::number_of_executed_units' "$scratch/fuzz.log"
