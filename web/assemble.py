#!/usr/bin/python3
"""assemble.py: puts the web edition together as one self-contained file, pebblix.html.

Into the page template go the program's JavaScript (with its WebAssembly inside), the window's
icon as a PNG drawn from its XPM picture, and Liberation Serif cut down to the characters of the
window's texts, with the font's licence; the page's Content-Security-Policy then names each of its
inline scripts and styles by its hash. Needs Debian's python3-fonttools and python3-brotli.
"""

import argparse
import base64
import hashlib
import io
import re
import struct
import sys
import zlib

from fontTools import subset

# The embedded font's family, as the page's style names it.
FAMILY = "Pebblix Serif"


def data_url(mime, payload):
    return "data:%s;base64,%s" % (mime, base64.b64encode(payload).decode("ascii"))


def xpm_to_png(xpm_text):
    """The PNG of an XPM picture: one character a pixel, colours '#RRGGBB' or None."""
    rows = re.findall(r'"([^"]*)"', xpm_text)
    width, height, colours, chars = (int(v) for v in rows[0].split()[:4])
    palette = {}
    for row in rows[1 : 1 + colours]:
        key, words = row[:chars], row[chars:].split()
        value = words[words.index("c") + 1]
        if value.lower() == "none":
            palette[key] = (0, 0, 0, 0)
        elif re.fullmatch(r"#[0-9A-Fa-f]{6}", value):
            palette[key] = tuple(int(value[i : i + 2], 16) for i in (1, 3, 5)) + (255,)
        else:
            sys.exit("assemble.py: the icon's colour %r is not #RRGGBB or None" % value)
    pixels = rows[1 + colours : 1 + colours + height]
    if len(pixels) != height or any(len(p) != width * chars for p in pixels):
        sys.exit("assemble.py: the icon's pixel rows do not match its size")
    raw = b"".join(
        b"\0" + b"".join(bytes(palette[p[x : x + chars]]) for x in range(0, len(p), chars))
        for p in pixels
    )

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def shown_characters(description):
    """Every character of the string literals of the window's description, and the blank."""
    literals = re.findall(r'"((?:[^"\\]|\\.)*)"', description)
    characters = set(" ")
    for literal in literals:
        characters.update(ch for ch in literal if ch >= " ")
    return "".join(sorted(characters))


def font_subset(font_path, text):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern"]
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]  # names, version, copyright and licence
    options.notdef_outline = True
    options.drop_tables += ["FFTM"]  # a FontForge timestamp, of no use to a browser
    options.hinting = False
    options.desubroutinize = True
    font = subset.load_font(font_path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    # A modified version may not carry the Reserved Font Name "Liberation": renamed.
    names = font["name"]
    names.names = [n for n in names.names if n.nameID not in (16, 17)]
    for name_id, value in ((1, FAMILY), (3, FAMILY + " subset"), (4, FAMILY),
                           (6, FAMILY.replace(" ", "") + "-Regular")):
        names.setName(value, name_id, 3, 1, 0x409)
        names.setName(value, name_id, 1, 0, 0)
    out = io.BytesIO()
    subset.save_font(font, out, options)
    return out.getvalue()


def licence_text(copyright_path):
    """The copyright and SIL Open Font License of the font, from its Debian copyright file."""
    text = open(copyright_path, encoding="utf-8").read()
    for paragraph in text.split("\n\n"):
        if "License: SIL-OFL-1.1" in paragraph and "Copyright:" in paragraph:
            break
    else:
        sys.exit("assemble.py: no SIL-OFL-1.1 licence in %s" % copyright_path)
    lines = [line[1:] if line.startswith(" ") else line for line in paragraph.splitlines()]
    body = "\n".join("" if line == "." else line for line in lines)
    notice = ("The embedded font \"Pebblix Serif\" is a subset of the Liberation Serif font,\n"
              "renamed as the licence asks of a modified version.\n\n")
    # Nothing in a comment may close it early.
    return (notice + body).replace("--", "- -")


def inline_hashes(page, tag):
    """The Content-Security-Policy sources of the page's inline <tag> elements: their hashes."""
    bodies = re.findall(r"<%s>(.*?)</%s>" % (tag, tag), page, re.S)
    return " ".join("'sha256-%s'" % base64.b64encode(hashlib.sha256(body.encode("utf-8")).digest())
                    .decode("ascii") for body in bodies)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for name in ("template", "script", "icon", "description", "font", "licence", "output"):
        parser.add_argument("--" + name, required=True)
    args = parser.parse_args()

    page = open(args.template, encoding="utf-8").read()
    script = open(args.script, encoding="utf-8").read()
    if "</script" in script.lower():
        sys.exit("assemble.py: the script would end its <script> element early")
    icon = xpm_to_png(open(args.icon, encoding="utf-8").read())
    text = shown_characters(open(args.description, encoding="utf-8").read())
    font = font_subset(args.font, text)
    parts = {
        "@FAVICON@": data_url("image/png", icon),
        "@FONT@": data_url("font/woff2", font),
        "@FONT_LICENCE@": licence_text(args.licence),
        "@SCRIPT@": script,
    }
    for key, value in parts.items():
        if page.count(key) != 1:
            sys.exit("assemble.py: the template must hold %s exactly once" % key)
        page = page.replace(key, value)
    # Last, when every script and style is in its final form; the policy itself is in neither.
    for key, tag in (("@SCRIPT_HASHES@", "script"), ("@STYLE_HASHES@", "style")):
        if page.count(key) != 1:
            sys.exit("assemble.py: the template must hold %s exactly once" % key)
        page = page.replace(key, inline_hashes(page, tag))
    with open(args.output, "w", encoding="utf-8") as out:
        out.write(page)


if __name__ == "__main__":
    main()
