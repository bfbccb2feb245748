#!/usr/bin/env bash
# Installs the Debian packages a build needs, when they are missing.
# Usage: scripts/deps.sh core|windows|bench ...
# As root it runs apt-get itself; otherwise it prints the one line to run.
set -euo pipefail

declare -A groups=(
    [core]="cmake make g++ googletest libgtest-dev libbenchmark-dev libboost-dev clang libclang-rt-14-dev"
    [bench]="libgmp-dev"
    [windows]="gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xauth fonts-liberation xdotool xclip imagemagick libcups2 ghostscript poppler-utils"
)

wanted=()
for group in "$@"; do
    for package in ${groups[$group]}; do wanted+=("$package"); done
done

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "Tarnwell needs these Debian packages. Run:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
