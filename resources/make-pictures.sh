#!/usr/bin/env bash
# Draws the program's small pictures with ImageMagick. The results are committed; run this only
# to change a picture. CONVERT may name a particular ImageMagick convert binary.
set -euo pipefail
cd "$(dirname "$0")"
convert=${CONVERT:-convert}

# The About window's yin-yang sign, 48 x 48, on the button-face grey of the window.
"$convert" -size 48x48 xc:'#EFEFEF' \
  -fill white -stroke none -draw 'circle 24,24 24,2' \
  -fill black -draw 'path "M 24,2 A 22,22 0 0,1 24,46 Z"' \
  -fill black -draw 'circle 24,35 24,24' \
  -fill white -draw 'circle 24,13 24,24' \
  -fill black -draw 'circle 24,13 24,10' \
  -fill white -draw 'circle 24,35 24,32' \
  -fill none -stroke black -strokewidth 1.5 -draw 'circle 24,24 24,2' \
  -type TrueColor -quality 92 -sampling-factor 1x1 -strip yinyang.jpg

# The red cross of the dialog's clear buttons, 22 x 22 with a transparent margin.
"$convert" -size 22x22 xc:none \
  -stroke '#800000' -strokewidth 4 -draw 'line 6,6 15,15' -draw 'line 15,6 6,15' \
  -stroke '#FF0000' -strokewidth 2 -draw 'line 6,6 15,15' -draw 'line 15,6 6,15' \
  -strip PNG32:redcross.png

# The About window's check mark, 18 x 18, and its grey twin for the disabled button.
"$convert" -size 18x18 xc:none \
  -stroke '#004000' -strokewidth 4 -fill none -draw 'polyline 3,9 7,13 15,4' \
  -stroke '#00A000' -strokewidth 2 -draw 'polyline 3,9 7,13 15,4' \
  -strip PNG32:checkmark.png
"$convert" -size 18x18 xc:none \
  -stroke '#808080' -strokewidth 4 -fill none -draw 'polyline 3,9 7,13 15,4' \
  -stroke '#C0C0C0' -strokewidth 2 -draw 'polyline 3,9 7,13 15,4' \
  -strip PNG32:checkmark-grey.png

# The program's icon (window and desktop entry): the same sign, 64 x 64 on a transparent ground.
"$convert" -size 64x64 xc:none \
  -fill white -stroke none -draw 'circle 32,32 32,3' \
  -fill black -draw 'path "M 32,3 A 29,29 0 0,1 32,61 Z"' \
  -fill black -draw 'circle 32,46.5 32,32' \
  -fill white -draw 'circle 32,17.5 32,32' \
  -fill black -draw 'circle 32,17.5 32,13.5' \
  -fill white -draw 'circle 32,46.5 32,42.5' \
  -fill none -stroke black -strokewidth 2 -draw 'circle 32,32 32,3' \
  -strip PNG32:wendarix.png

# The desktop icons, in the hicolor sizes a menu asks for: the same sign, scaled. The scalable
# icon icons/wendarix.svg is drawn by hand with the geometry of the 64 x 64 one.
for size in 16 22 24 32 48 64 128 256; do
  c=$(echo "$size / 2" | bc -l)
  r=$(echo "$size * 29 / 64" | bc -l)
  half=$(echo "$r / 2" | bc -l)
  dot=$(echo "$r * 4 / 29" | bc -l)
  line=$(echo "if ($size < 32) 1 else $size / 32" | bc -l)
  mkdir -p "icons/${size}x${size}"
  "$convert" -size "${size}x${size}" xc:none \
    -fill white -stroke none -draw "circle $c,$c $c,$(echo "$c - $r" | bc -l)" \
    -fill black -draw "path 'M $c,$(echo "$c - $r" | bc -l) A $r,$r 0 0,1 $c,$(echo "$c + $r" | bc -l) Z'" \
    -fill black -draw "circle $c,$(echo "$c + $half" | bc -l) $c,$c" \
    -fill white -draw "circle $c,$(echo "$c - $half" | bc -l) $c,$c" \
    -fill black -draw "circle $c,$(echo "$c - $half" | bc -l) $c,$(echo "$c - $half - $dot" | bc -l)" \
    -fill white -draw "circle $c,$(echo "$c + $half" | bc -l) $c,$(echo "$c + $half - $dot" | bc -l)" \
    -fill none -stroke black -strokewidth "$line" -draw "circle $c,$c $c,$(echo "$c - $r" | bc -l)" \
    -strip "PNG32:icons/${size}x${size}/wendarix.png"
done
