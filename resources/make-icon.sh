#!/usr/bin/env bash
# Draws tarnwell.ico (16, 32 and 48 pixels) with ImageMagick: a ledger page
# with ruled lines and a green balance bar. Run once; the .ico is committed.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 48x48 xc:none \
    -fill '#f4f1e6' -stroke '#3b3b3b' -strokewidth 2 -draw 'rectangle 7,3 40,44' \
    -stroke '#7a8ca5' -strokewidth 1 \
    -draw 'line 11,12 36,12' -draw 'line 11,18 36,18' -draw 'line 11,24 36,24' -draw 'line 11,30 36,30' \
    -stroke none -fill '#2f7d32' -draw 'rectangle 11,35 36,40' \
    "$work/icon48.png"
convert "$work/icon48.png" -resize 32x32 "$work/icon32.png"
convert "$work/icon48.png" -resize 16x16 "$work/icon16.png"
convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" tarnwell.ico
