#!/usr/bin/env bash
# Draws the program's icon with ImageMagick: a raised field tile holding a
# bomb with a lit fuse. Writes data/icons/<size>/dravolt.png for the sizes a
# desktop asks for; run this only to change the icon.
set -euo pipefail
cd "$(dirname "$0")/.."

master=$(mktemp --suffix=.png)
trap 'rm -f "$master"' EXIT
convert -size 256x256 xc:none \
  -fill '#ffffff' -draw 'roundrectangle 8,8 247,247 22,22' \
  -fill '#7b7b7b' -draw 'polygon 247,30 247,225 225,247 30,247 52,226 226,226 226,52' \
  -fill '#c6c6c6' -draw 'rectangle 28,28 226,226' \
  -stroke '#101018' -strokewidth 14 \
  -draw 'line 128,56 128,200' -draw 'line 56,128 200,128' \
  -draw 'line 78,78 178,178' -draw 'line 178,78 78,178' \
  -stroke none -fill '#101018' -draw 'circle 128,128 128,74' \
  -fill '#ffffff' -draw 'circle 108,108 108,94' \
  -stroke '#101018' -strokewidth 8 -fill none -draw 'bezier 168,88 186,66 196,58 204,52' \
  -stroke none -fill '#ffa000' -draw 'circle 208,48 208,36' \
  -fill '#fff2a0' -draw 'circle 208,48 208,42' \
  "$master"
for size in 32 48 64 128 256; do
  mkdir -p "data/icons/$size"
  convert "$master" -resize "${size}x${size}" -strip "data/icons/$size/dravolt.png"
done
