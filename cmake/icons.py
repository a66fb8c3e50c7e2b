#!/usr/bin/python3
"""icons.py: draws every picture of the game's icon from the window's XPM picture, with Pillow.

    icons.py PICTURE [--fill #RRGGBB] [--png SIZE FILE]... [--maskable SIZE FILE]...
             [--opaque SIZE FILE]... [--ico FILE]

--png       the picture with each pixel repeated, at a whole multiple of its size, so it stays as
            sharp as the drawing: the desktop's icons, the page's favicon, the web app's icons.
--maskable  on an opaque square of the fill colour, at the largest whole scale at which every drawn
            pixel lies in the circle that every mask keeps (radius 0.4 of the size): the web app's
            icon that a launcher cuts to its own shape.
--opaque    on an opaque square of the fill colour, at the largest whole scale that fits, in the
            middle: for places that show no transparency (the apple-touch-icon).
--ico       a Windows icon holding 16, 32, 48 and 256 pixel images, each taken from the picture by
            nearest neighbour, so that no size is blended from its neighbours.

Needs Debian's python3-pil. Folders of the files are made as needed.
"""

import argparse
import math
import os
import re
import sys

from PIL import Image

ICO_SIZES = (16, 32, 48, 256)


def fail(message):
    sys.exit("icons.py: " + message)


def repeated(picture, size):
    if picture.width != picture.height or size % picture.width:
        fail("%d is not a whole multiple of the %d × %d picture" % (size, *picture.size))
    return picture.resize((size, size), Image.Resampling.NEAREST)


def maskable(picture, size, fill):
    """The picture on an opaque square of `fill`, at the largest whole-pixel scale at which all of
    it lies in the circle that every mask keeps: the middle 80 % of the icon's width."""
    width, height = picture.size
    centre, radius = size / 2, 0.4 * size
    alpha = picture.getchannel("A")
    drawn = [(x, y) for y in range(height) for x in range(width) if alpha.getpixel((x, y))]

    def fits(k):
        left, top = (size - k * width) // 2, (size - k * height) // 2
        return all(math.hypot(left + k * (x + dx) - centre, top + k * (y + dy) - centre) <= radius
                   for x, y in drawn for dx in (0, 1) for dy in (0, 1))

    scales = [k for k in range(1, size // max(width, height) + 1) if fits(k)]
    if not scales:
        fail("the picture does not fit a maskable icon of %d pixels" % size)
    k = scales[-1]
    image = Image.new("RGBA", (size, size), fill + (255,))
    # The drawn pixels replace the fill as they are; the others leave it.
    drawn_mask = alpha.point(lambda a: 255 if a else 0).resize((k * width, k * height),
                                                                Image.Resampling.NEAREST)
    image.paste(picture.resize((k * width, k * height), Image.Resampling.NEAREST),
                ((size - k * width) // 2, (size - k * height) // 2), drawn_mask)
    return image


def opaque(picture, size, fill):
    """The picture on an opaque square of `fill`, at the largest whole scale that fits, centred."""
    k = size // max(picture.size)
    if k == 0:
        fail("the picture is larger than %d pixels" % size)
    width, height = k * picture.width, k * picture.height
    layer = Image.new("RGBA", (size, size))
    layer.paste(picture.resize((width, height), Image.Resampling.NEAREST),
                ((size - width) // 2, (size - height) // 2))
    ground = Image.new("RGBA", (size, size), fill + (255,))
    return Image.alpha_composite(ground, layer).convert("RGB")


def save_ico(picture, path):
    # Pillow writes each size from the image given for it, the largest as the one saved; a size
    # without one it would scale down from that with blending.
    images = [picture.resize((size, size), Image.Resampling.NEAREST) for size in ICO_SIZES]
    images[-1].save(path, "ICO", sizes=[(size, size) for size in ICO_SIZES],
                    append_images=images[:-1])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("picture")
    parser.add_argument("--fill", help="#RRGGBB, the background of the opaque icons")
    for kind in ("png", "maskable", "opaque"):
        parser.add_argument("--" + kind, nargs=2, action="append", default=[],
                            metavar=("SIZE", "FILE"))
    parser.add_argument("--ico", metavar="FILE")
    args = parser.parse_args()

    fill = None
    if args.fill is not None:
        if not re.fullmatch(r"#[0-9A-Fa-f]{6}", args.fill):
            fail("the fill colour %r is not #RRGGBB" % args.fill)
        fill = tuple(int(args.fill[i : i + 2], 16) for i in (1, 3, 5))
    elif args.maskable or args.opaque:
        fail("--maskable and --opaque need --fill")

    with Image.open(args.picture) as source:
        picture = source.convert("RGBA")
    drawings = {"png": lambda size: repeated(picture, size),
                "maskable": lambda size: maskable(picture, size, fill),
                "opaque": lambda size: opaque(picture, size, fill)}
    outputs = [(path, kind, size) for kind in drawings for size, path in getattr(args, kind)]
    if args.ico:
        outputs.append((args.ico, "ico", None))
    for path, kind, size in outputs:
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        if kind == "ico":
            save_ico(picture, path)
            continue
        if not size.isdigit():
            fail("the size %r is not a number" % size)
        drawings[kind](int(size)).save(path, "PNG")


if __name__ == "__main__":
    main()
