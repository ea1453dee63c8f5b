#!/bin/sh
# Draws the program's icon, a white quill in a blue speech bubble, at 16x16
# and 32x32 and packs both into tavrin_quillet.ico. Needs ImageMagick. The
# .ico is checked in; run this only to change the picture.
set -eu
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

blue='#2f6fb5'
edge='#1b4477'
shaft='#8a5a2b'

convert -size 32x32 xc:none \
  -fill "$blue" -stroke "$edge" -strokewidth 1 \
  -draw 'roundrectangle 1.5,2.5 30.5,22.5 6,6' \
  -stroke none -draw 'polygon 7,21 5,30 15,21' \
  -stroke "$edge" -draw 'line 5.5,29.5 7.5,22.5' -draw 'line 5.5,29.5 14.5,22.5' \
  -fill white -stroke none \
  -draw 'polygon 8,20 13,12 20,6 27,3 25,9 19,15 11,20' \
  -stroke "$shaft" -strokewidth 1.2 -draw 'line 8,21 24,6' \
  -stroke none -fill "$edge" -draw 'polygon 7,22 9,19 10,20' \
  "PNG32:$tmp/32.png"

convert -size 16x16 xc:none \
  -fill "$blue" -stroke none \
  -draw 'roundrectangle 0,1 15,11 3,3' \
  -draw 'polygon 3,10 2,15 8,10' \
  -fill white -draw 'polygon 3,10 6,6 10,3 14,1 13,5 10,8 6,10' \
  -stroke "$shaft" -strokewidth 0.7 -draw 'line 3.5,10.5 11.5,3.5' \
  "PNG32:$tmp/16.png"

# BMP-based icon entries, as older Windows versions read them.
convert "$tmp/16.png" "$tmp/32.png" -define icon:format=bmp tavrin_quillet.ico
