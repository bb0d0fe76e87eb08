#!/bin/sh
# Draws the program's icon, ../dova-setup.ico: a green arrow going into a yellow folder
# on the installer's blue, at 256 px, and the same scaled to 48, 32 and 16 px.
# Needs ImageMagick; the .ico is committed, so a build needs neither this nor it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 256x256 xc:none \
  -fill 'rgb(0,0,255)' -stroke 'rgb(0,0,128)' -strokewidth 6 \
  -draw 'roundrectangle 8,8 247,247 40,40' \
  -fill 'rgb(192,192,0)' -stroke black -strokewidth 8 \
  -draw 'polygon 40,112 96,112 112,128 208,128 208,216 40,216' \
  -fill 'rgb(255,255,0)' \
  -draw 'polygon 40,216 72,148 232,148 208,216' \
  -fill 'rgb(0,255,0)' -stroke black -strokewidth 6 \
  -draw 'polygon 112,28 160,28 160,84 188,84 136,132 84,84 112,84' \
  -depth 8 "$work/256.png"
for size in 48 32 16; do
  convert "$work/256.png" -filter Lanczos -resize ${size}x$size "$work/$size.png"
done
convert "$work/16.png" "$work/32.png" "$work/48.png" "$work/256.png" -depth 8 "$here/../dova-setup.ico"
