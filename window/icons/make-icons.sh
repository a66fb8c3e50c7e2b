#!/bin/sh
# make-icons.sh: draws the game's icons from the window's 32-pixel picture, hamburger.xpm, with
# ImageMagick and icoutils. Run it after a change of the picture or of the window's colour, and
# commit what it writes here; the builds take the icons as they are committed.
#
# Every size is a whole multiple of the picture's or smaller, and the point filter takes each pixel
# of the icon from one pixel of the picture, so nothing is blended. The PNGs carry no time stamp, so
# the same picture always gives the same bytes.
set -eu
cd "$(dirname "$0")"

# The window's colour (kWindow's backColor in ../description.h), behind the icons that are opaque;
# tests/qt/icon_test.cpp checks that the two agree.
fill='#c0c0ff'
magick=$(command -v magick || echo convert)
draw() {
    out=$1
    shift
    "$magick" hamburger.xpm -filter point "$@" -strip -define png:exclude-chunks=date,time "$out"
}

# The desktop's sizes and the page's: the picture with each pixel repeated.
for size in 32 64 128 192 256 512; do
    draw "hamburger-$size.png" -resize "${size}x$size"
done
# For a launcher that cuts the icon to its own shape (a web app's maskable icon): on the window's
# colour, at the largest whole scale at which the picture keeps within the middle circle (a radius
# of 0.4 of the size) that every mask keeps.
draw hamburger-192-maskable.png -resize 400% -background "$fill" -gravity center \
    -extent 192x192 -flatten
draw hamburger-512-maskable.png -resize 1200% -background "$fill" -gravity center \
    -extent 512x512 -flatten
# For an iPad's Home Screen, which shows no transparency: opaque, at the largest scale that fits.
draw hamburger-180-opaque.png -resize 500% -background "$fill" -gravity center \
    -extent 180x180 -flatten -alpha off

# The Windows icon: 16, 32, 48 and 256 pixels, each stored as a PNG with an alpha channel.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for size in 16 32 48 256; do
    draw "PNG32:$scratch/$size.png" -resize "${size}x$size"
done
icotool -c -o hamburger.ico -r "$scratch/16.png" -r "$scratch/32.png" -r "$scratch/48.png" \
    -r "$scratch/256.png"
