#!/usr/bin/env bash
# make dist: the release archive OUT/tarnwell-VERSION.tar.gz with the static
# tarnwell.exe and tarnwell-cli.exe, the README, a sample ledger and the
# SHA-256 sums of those four (SHA256SUMS); the archive's own sum beside it.
# Usage: scripts/dist.sh OUT [BUILD]   (BUILD: a windows build, by default build/windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "$1")
build=${2:-$root/build/windows}
version=$(git -C "$root" describe --tags --always --dirty 2>/dev/null || echo unversioned)
name=tarnwell-$version
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name" && mkdir -p "$out"
cp "$build/app/tarnwell.exe" "$build/app/tarnwell-cli.exe" "$root/README.md" "$stage/$name/"
cp "$root/fuzz/corpus/loans_payments.tnw" "$stage/$name/sample-ledger.tnw"
(cd "$stage/$name" && sha256sum tarnwell.exe tarnwell-cli.exe README.md sample-ledger.tnw >SHA256SUMS)
tar -C "$stage" --sort=name --owner=0 --group=0 --numeric-owner -czf "$out/$name.tar.gz" "$name"
(cd "$out" && sha256sum "$name.tar.gz" >"$name.tar.gz.sha256")
echo "$out/$name.tar.gz"
