#!/usr/bin/env bash
# Draws the dialog's two pictures with ImageMagick and the DejaVu fonts (Debian's imagemagick and
# fonts-dejavu-core); the build runs it. Text in the pictures is the product's name only, so
# they suit every language.
#   strip.bmp   the left strip, 109 x 350 (its lower 28 pixels are the web site's click area)
#   banner.jpg  the "Pro version" banner, 506 x 80 (the page's width less its margins), a JPEG as
#               the program decodes it at run time
#   bash assets/make_pictures.sh OUTPUT_FOLDER [convert]
set -euo pipefail
out=$1
convert=${2:-convert}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The strip: dark red towards the bottom, a glass enlarging a few lines of "text", the name
# written upwards, and a framed "www" where the click area lies (x 6..103, y 314..342).
"$convert" -size 109x350 gradient:'#c62828-#4a0b0b' \
    -fill '#f4f4f4' -stroke none \
    -draw 'rectangle 14,34 94,36' -draw 'rectangle 14,42 80,44' -draw 'rectangle 14,50 88,52' \
    -draw 'rectangle 14,58 70,60' -draw 'rectangle 14,66 90,68' \
    -fill '#ffd6d6' -stroke '#ffffff' -strokewidth 5 -draw 'circle 54,52 54,84' \
    -fill '#8a1c1c' -stroke none \
    -draw 'rectangle 30,42 78,46' -draw 'rectangle 30,54 70,58' -draw 'rectangle 30,66 76,70' \
    -stroke '#303030' -strokewidth 9 -draw 'line 78,78 96,96' \
    -fill none -stroke '#ffffff' -strokewidth 1 -draw 'roundrectangle 8,316 100,340 5,5' \
    -stroke none -fill '#ffffff' -font DejaVu-Sans-Bold -pointsize 34 \
    -gravity center -annotate 270x270+0+34 'Lenzor' \
    -stroke none -fill '#ffffff' -font DejaVu-Sans -pointsize 13 \
    -gravity south -annotate +0+12 'www' \
    -type TrueColor BMP3:"$out/strip.bmp"

# The banner: a light band with the glass at the left and the edition's name.
"$convert" -size 80x506 gradient:'#fff6f6-#f2c4c4' -rotate 90 \
    -fill '#ffd6d6' -stroke '#c62828' -strokewidth 6 -draw 'circle 40,34 40,58' \
    -fill '#ffffff' -stroke none -draw 'circle 33,27 33,33' \
    -stroke '#464646' -strokewidth 9 -draw 'line 58,52 72,66' \
    -stroke none -fill '#8a1c1c' -font DejaVu-Sans-Bold -pointsize 30 -annotate +96+50 'Lenzor Pro' \
    -fill '#5a3030' -font DejaVu-Sans -pointsize 13 -annotate +98+70 'screen magnifier' \
    "$tmp/banner.png"
"$convert" "$tmp/banner.png" -strip -sampling-factor 1x1 -quality 90 "$out/banner.jpg"
