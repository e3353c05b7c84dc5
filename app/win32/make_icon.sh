#!/usr/bin/env bash
# Makes zor.ico from the program's SVG icon. The .ico is committed, so the
# build needs no image tools; run this again when the SVG changes.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pngs=()
for size in 16 20 24 32 40 48 64 256; do
  rsvg-convert -w "$size" -h "$size" "$here/../../data/zor.svg" -o "$work/$size.png"
  pngs+=("$work/$size.png")
done
convert "${pngs[@]}" "$here/zor.ico"
