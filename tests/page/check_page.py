#!/usr/bin/python3
"""check_page.py: checks the assembled page without a browser.

Its icon must be the window's 32 x 32 picture pixel for pixel, its embedded font must have a glyph
for every character the window shows (read from standard input, one text a line), and the file
must keep within its size budget. Prints each fault and exits 1 on any.
"""

import argparse
import base64
import io
import re
import struct
import sys
import zlib

from fontTools.ttLib import TTFont

BUDGET = 200 * 1024  # bytes, the page as shipped


def data_url(page, pattern):
    match = re.search(pattern + r'"data:[^;"]+;base64,([A-Za-z0-9+/=]+)"', page)
    return base64.b64decode(match.group(1)) if match else None


def png_pixels(png):
    """RGBA rows of an 8-bit RGBA PNG, undoing each row's filter."""
    assert png[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, data = 8, b""
    while pos < len(png):
        (length,) = struct.unpack(">I", png[pos : pos + 4])
        kind, body = png[pos + 4 : pos + 8], png[pos + 8 : pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert (depth, colour) == (8, 6), "not 8-bit RGBA"
        elif kind == b"IDAT":
            data += body
    raw, stride, rows, previous = zlib.decompress(data), width * 4, [], bytearray(width * 4)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1 : (y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - 4] if x >= 4 else 0
            up, up_left = previous[x], previous[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                guess = left + up - up_left
                near = min((abs(guess - left), 0, left), (abs(guess - up), 1, up),
                           (abs(guess - up_left), 2, up_left))[2]
                line[x] = (line[x] + near) & 255
        rows.append([tuple(line[i : i + 4]) for i in range(0, stride, 4)])
        previous = line
    return rows


def xpm_pixels(xpm):
    strings = re.findall(r'"([^"]*)"', xpm)
    width, height, count, chars = map(int, strings[0].split()[:4])
    colours = {}
    for entry in strings[1 : 1 + count]:
        value = entry[chars:].split()[-1]
        colours[entry[:chars]] = (0, 0, 0, 0) if value == "None" else (
            int(value[1:3], 16), int(value[3:5], 16), int(value[5:7], 16), 255)
    return [[colours[row[x : x + chars]] for x in range(0, width * chars, chars)]
            for row in strings[1 + count : 1 + count + height]]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--page", required=True)
    parser.add_argument("--icon", required=True)
    args = parser.parse_args()
    raw = open(args.page, "rb").read()
    page = raw.decode("utf-8")
    faults = []

    if len(raw) > BUDGET:
        faults.append("the page is %d bytes, over its budget of %d" % (len(raw), BUDGET))

    icon = data_url(page, r'<link rel="icon" type="image/png" href=')
    if icon is None:
        faults.append("the page has no PNG icon")
    else:
        drawn, wanted = png_pixels(icon), xpm_pixels(open(args.icon, encoding="utf-8").read())
        if len(drawn) != len(wanted) or len(drawn[0]) != len(wanted[0]):
            faults.append("the icon is %dx%d, the picture %dx%d"
                          % (len(drawn[0]), len(drawn), len(wanted[0]), len(wanted)))
        else:
            for y, (row, want) in enumerate(zip(drawn, wanted)):
                for x, (got, expected) in enumerate(zip(row, want)):
                    if got != expected and (got[3], expected[3]) != (0, 0):
                        faults.append("icon pixel (%d, %d) is %s, not %s" % (x, y, got, expected))

    font = data_url(page, r"src: url\(")
    if font is None:
        faults.append("the page embeds no font")
    else:
        glyphs = TTFont(io.BytesIO(font)).getBestCmap()
        shown = set(sys.stdin.read()) - set("\r\n")
        missing = sorted(ch for ch in shown if ord(ch) not in glyphs)
        if not shown:
            faults.append("no texts on standard input")
        if missing:
            faults.append("the font lacks %s" % "".join(missing))

    for fault in faults[:20]:
        print(fault)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
