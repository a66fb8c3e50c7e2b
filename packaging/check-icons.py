#!/usr/bin/python3
"""check-icons.py: draws every kind of icon with cmake/icons.py and checks it against the picture.

    check-icons.py ICONS_PY PICTURE SCRATCH_DIR

Each icon is the picture with every pixel a whole square block, never blended, on transparency or
on the fill colour; the opaque ones have no transparent pixel. A maskable icon keeps every drawn
pixel inside the circle that masks keep, centred, at the largest scale that does. The Windows icon
holds its four sizes, each drawn from the picture and none scaled by Pillow from another. A plain
icon at a size that is no whole multiple of the picture's is refused.
"""

import math
import os
import subprocess
import sys

from PIL import Image, ImageChops

FILL = (0x12, 0x34, 0x56)  # in no picture, so the drawn pixels stand out from it


def placed(icon, picture, k, left, top, background):
    """The first pixel of `icon` that is not `picture` drawn k times larger at (left, top) on
    `background` (None: transparent), as a message; None when there is none."""
    width, height = picture.size
    for y in range(icon.height):
        for x in range(icon.width):
            px, py = (x - left) // k, (y - top) // k
            want = picture.getpixel((px, py)) if 0 <= px < width and 0 <= py < height else None
            if want is None or want[3] == 0:
                want = None if background is None else background + (255,)
            got = icon.getpixel((x, y))
            if (got[3] != 0 if want is None else got != want):
                return "(%d, %d) is %s instead of %s" % (x, y, got, want or "transparent")
    return None


def main():
    script, picture_path, scratch = sys.argv[1:]
    os.makedirs(scratch, exist_ok=True)
    picture = Image.open(picture_path).convert("RGBA")
    width, height = picture.size
    file = lambda name: os.path.join(scratch, name)
    draw = [sys.executable, script, picture_path, "--fill", "#%02x%02x%02x" % FILL]
    subprocess.run(draw + ["--png", str(16 * width), file("png.png"),
                           "--maskable", "192", file("maskable-192.png"),
                           "--maskable", "512", file("maskable-512.png"),
                           "--opaque", "180", file("opaque-180.png"), "--ico", file("icon.ico")],
                   check=True)
    failures = []

    def check(name, failure):
        if failure:
            failures.append("%s: %s" % (name, failure))

    icon = Image.open(file("png.png")).convert("RGBA")
    check("png.png", placed(icon, picture, 16, 0, 0, None))

    # The picture's drawn box, in pixels of the picture, against the icon's, finds the scale.
    px0, py0, px1, py1 = picture.getchannel("A").getbbox()
    drawn = [(x, y) for y in range(height) for x in range(width) if picture.getpixel((x, y))[3]]
    for size in (192, 512):
        name = "maskable-%d.png" % size
        icon = Image.open(file(name)).convert("RGBA")
        ground = Image.new("RGB", icon.size, FILL)
        x0, y0, x1, y1 = ImageChops.difference(icon.convert("RGB"), ground).getbbox()
        k = (x1 - x0) // (px1 - px0)
        left, top = (size - k * width) // 2, (size - k * height) // 2
        check(name, placed(icon, picture, k, left, top, FILL))
        centre, radius = size / 2, 0.4 * size

        def outside(k):
            left, top = (size - k * width) // 2, (size - k * height) // 2
            corners = ((left + k * (x + dx), top + k * (y + dy)) for x, y in drawn
                       for dx in (0, 1) for dy in (0, 1))
            return any(math.dist(corner, (centre, centre)) > radius for corner in corners)

        if outside(k):
            check(name, "at %d times, the picture reaches past the circle of the mask" % k)
        if (k + 1) * max(width, height) <= size and not outside(k + 1):
            check(name, "drawn %d times larger, where %d times would fit the mask" % (k, k + 1))

    icon = Image.open(file("opaque-180.png"))
    if "A" in icon.getbands():
        check("opaque-180.png", "has an alpha channel")
    k = 180 // max(width, height)
    check("opaque-180.png", placed(icon.convert("RGBA"), picture, k, (180 - k * width) // 2,
                                   (180 - k * height) // 2, FILL))

    with Image.open(file("icon.ico")) as ico:
        sizes = sorted(ico.ico.sizes())
        if sizes != [(16, 16), (32, 32), (48, 48), (256, 256)]:
            check("icon.ico", "holds the sizes %s" % sizes)
        colours = set(picture.getdata())
        for size, _ in sizes:
            frame = ico.ico.getimage((size, size)).convert("RGBA")
            if size % width == 0:
                check("icon.ico at %d" % size, placed(frame, picture, size // width, 0, 0, None))
            else:
                # Nearest neighbour takes the picture's own pixels; a resampling filter blends them.
                blended = set(frame.getdata()) - colours
                if blended:
                    check("icon.ico at %d" % size, "blended colours %s" % sorted(blended)[:3])

    refused = subprocess.run(draw + ["--png", str(width + width // 2), file("refused.png")],
                             stderr=subprocess.PIPE)
    if refused.returncode == 0 or os.path.exists(file("refused.png")):
        check("--png %d" % (width + width // 2), "drawn, not refused")

    for failure in failures:
        print("FAIL:", failure)
    if failures:
        sys.exit(1)
    print("every icon is the picture, drawn whole and sharp")


if __name__ == "__main__":
    main()
