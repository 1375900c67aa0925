#!/usr/bin/env bash
# Draws the built-in win picture, a sunset over the sea, with ImageMagick and
# writes it as a small baseline JFIF file (300 x 150, colour). The program
# carries the result as a resource; run this only to change the picture.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-src/resources/DefaultWinPicture.jpg}

convert \
  \( -size 300x100 gradient:'#2b1e5c'-'#ff9a3c' \
     -fill '#ffe08a' -draw 'circle 150,100 150,74' \
     -fill '#1e1433' -draw 'polygon 0,100 0,70 40,78 80,62 122,88 140,100' \
                     -draw 'polygon 172,100 210,82 250,68 300,79 300,100' \) \
  \( -size 300x50 gradient:'#8a4250'-'#22153a' \
     -fill '#ffc867' -draw 'rectangle 122,4 178,6' -draw 'rectangle 130,11 170,13' \
                     -draw 'rectangle 139,19 161,21' -draw 'rectangle 145,28 155,29' \) \
  -append -strip -interlace none -sampling-factor 2x2 -quality 80 "$out"
