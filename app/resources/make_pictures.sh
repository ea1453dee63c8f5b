#!/bin/sh
# Draws the program's pictures with ImageMagick, in the colours and with the
# quill-in-a-speech-bubble of the program icon (make_icon.sh):
#   splash.bmp    the splash window; its lower right corner stays plain for
#                 the build line the program draws at x 210, 10 pixels above
#                 the bottom edge
#   about.bmp     the About dialog's banner (392 pixels wide dialog)
#   reminder.bmp  the tray reminder's 115x58 picture: the taskbar corner by
#                 the clock with the program's icon in it
# 24-bit BMPs (BMP3), as the resource compiler and every Windows version read
# them. The BMPs are checked in; run this only to change the pictures.
set -eu
cd "$(dirname "$0")"

blue='#2f6fb5'
edge='#1b4477'
shaft='#8a5a2b'
pale='#e8f0fa'
font='DejaVu-Sans'
bold='DejaVu-Sans-Bold'

# The icon's bubble and quill (drawn on a 32-pixel grid) as drawing commands,
# scaled by $1 and moved to ($2, $3). $4 is the bubble's fill, $5 the quill's.
mark() {
  cat <<MVG
push graphic-context
affine $1,0,0,$1,$2,$3
stroke-linejoin round
fill $4 stroke $edge stroke-width 1
roundrectangle 1.5,2.5 30.5,22.5 6,6
stroke none
polygon 7,21 5,30 15,21
stroke $edge
line 5.5,29.5 7.5,22.5
line 5.5,29.5 14.5,22.5
fill $5 stroke none
polygon 8,20 13,12 20,6 27,3 25,9 19,15 11,20
stroke $shaft stroke-width 1.2
line 8,21 24,6
stroke none fill $edge
polygon 7,22 9,19 10,20
pop graphic-context
MVG
}

# Splash: 420x260, pale sky with the mark on the left and the name beside it.
convert -size 420x260 gradient:'#ffffff'-'#d6e4f5' \
  -draw "$(mark 4 36 62 "$blue" white)" \
  -font "$bold" -pointsize 34 -fill "$edge" -annotate +182+128 'Tavrin' -annotate +182+168 'Quillet' \
  -font "$font" -pointsize 13 -fill "$blue" -annotate +184+196 'Canned replies, pasted anywhere' \
  -fill "$blue" -draw 'rectangle 0,216 419,218' \
  -font "$font" -pointsize 11 -fill "$edge" -annotate +16+244 'Morvane' \
  -fill none -stroke "$edge" -strokewidth 1 -draw 'rectangle 0.5,0.5 419.5,259.5' \
  -type TrueColor "BMP3:splash.bmp"

# About: a 372x96 banner, the mark in white on the program's blue.
convert -size 96x372 gradient:"$blue"-"$edge" -rotate 90 \
  -draw "$(mark 2.5 18 6 white "$blue")" \
  -font "$bold" -pointsize 28 -fill white -annotate +112+52 'Tavrin Quillet' \
  -font "$font" -pointsize 13 -fill "$pale" -annotate +114+76 'Canned replies, pasted anywhere' \
  -type TrueColor "BMP3:about.bmp"

# Reminder: the notification area of a taskbar, the clock on the right, the
# program's icon among the others, ringed, with an arrow pointing at it.
convert -size 115x58 xc:white \
  -fill '#d4d0c8' -draw 'rectangle 0,32 114,57' \
  -fill '#ffffff' -draw 'line 0,32 114,32' \
  -fill '#eceae4' -stroke '#808080' -draw 'rectangle 6,35 112,54' \
  -stroke none -fill '#8c8c8c' -draw 'rectangle 12,40 21,49' -draw 'rectangle 28,40 37,49' \
  -draw "$(mark 0.5 52 36 "$blue" white)" \
  -font "$font" -pointsize 9 -fill black -annotate +79+48 '12:00' \
  -fill none -stroke '#e0a020' -strokewidth 2 -draw 'circle 60,44 60,34' \
  -stroke "$edge" -strokewidth 2 -draw 'line 60,4 60,24' \
  -stroke none -fill "$edge" -draw 'polygon 54,22 66,22 60,30' \
  -fill none -stroke '#a0a0a0' -strokewidth 1 -draw 'rectangle 0.5,0.5 114.5,57.5' \
  -type TrueColor "BMP3:reminder.bmp"
