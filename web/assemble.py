#!/usr/bin/python3
"""assemble.py: puts the web edition together: one self-contained file, pebblix.html, and its site.

Into the page template go the program's JavaScript (with its WebAssembly inside) and the same
program compiled to JavaScript alone, which the page runs where it may not use WebAssembly; the
window's title, from its description (window/describe.cpp), and the markup of its client area with
the style sheet, which the page's markup writer makes at build time (web/markup.cpp); the window's
icon as a PNG, and Liberation Serif cut down to the characters of the window's texts and of the
page's own message, with the font's licence; the page's Content-Security-Policy then names each of its inline
scripts and styles by its hash. The icons are the window's, from the folder given with --icons
(window/icons). Needs Debian's python3-fonttools and python3-brotli.

With --site, it makes from the finished page the folder to put on a web host instead: the page as
index.html, its web app manifest, its icons, the same picture larger (an opaque one for an
iPad's Home Screen), and the service worker that keeps them for offline play, its cache named by a
hash of all of them; and the same files as one archive beside the folder.
"""

import argparse
import base64
import hashlib
import html
import io
import json
import os
import re
import sys
import time
import zipfile

from fontTools import subset

# The embedded font's family, as the page's style names it.
FAMILY = "Pebblix Serif"


def data_url(mime, payload):
    return "data:%s;base64,%s" % (mime, base64.b64encode(payload).decode("ascii"))


def icon(args, name):
    """One of the window's icons (window/icons/make-icons.sh), as its bytes."""
    return open(os.path.join(args.icons, name), "rb").read()


def shown_characters(window, messages):
    """Every character the window shows (its shown controls' texts, and the stored rows, which the
    cells show) and of the page's messages, and the blank."""
    texts = [control["text"] for control in window["controls"] if control["visible"]] + messages
    texts += [row for rows in window["solutions"] for row in rows]
    return "".join(sorted({ch for text in texts for ch in text if ch >= " "} | {" "}))


def colour(rgb):
    return "#%02x%02x%02x" % tuple(rgb)


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


def fill(text, parts, what):
    """`text` with each key of `parts` replaced by its value; the text must hold each exactly once."""
    for key, value in parts.items():
        if text.count(key) != 1:
            sys.exit("assemble.py: the %s must hold %s exactly once" % (what, key))
        text = text.replace(key, value)
    return text


def inline_hashes(page, tag):
    """The Content-Security-Policy sources of the page's inline <tag> elements: their hashes. An
    inert script (one of another type) is counted too: the page runs its text as a script."""
    bodies = re.findall(r"<%s(?:\s[^>]*)?>(.*?)</%s>" % (tag, tag), page, re.S)
    return " ".join("'sha256-%s'" % base64.b64encode(hashlib.sha256(body.encode("utf-8")).digest())
                    .decode("ascii") for body in bodies)


def make_page(args):
    page = open(args.template, encoding="utf-8").read()
    scripts = {}
    for key, path in (("@SCRIPT@", args.script), ("@FALLBACK@", args.fallback)):
        scripts[key] = open(path, encoding="utf-8").read()
        # "<!--" would let a later "<script" hide the element's end from the HTML parser.
        if "</script" in scripts[key].lower() or "<!--" in scripts[key]:
            sys.exit("assemble.py: %s would end its <script> element early" % path)
    window = json.load(open(args.description, encoding="utf-8"))
    client = json.load(open(args.markup, encoding="utf-8"))
    # The message shown where the game cannot start is in the page's font too.
    messages = re.findall(r'<p [^>]*role="alert"[^>]*>([^<]*)</p>', page)
    font = font_subset(args.font, shown_characters(window, messages))
    page = fill(page, {
        "@TITLE@": html.escape(window["form"]["title"], quote=False),
        "@SUMMARY@": html.escape(args.summary),
        "@CLIENT_STYLE@": client["style"],
        "@CLIENT@": client["markup"],
        "@FAVICON@": data_url("image/png", icon(args, "hamburger-32.png")),
        "@FONT@": data_url("font/woff2", font),
        "@FONT_LICENCE@": licence_text(args.licence),
        **scripts,
    }, "template")
    # Last, when every script and style is in its final form; the policy itself is in neither.
    page = fill(page, {"@SCRIPT_HASHES@": inline_hashes(page, "script"),
                       "@STYLE_HASHES@": inline_hashes(page, "style")}, "template")
    with open(args.output, "w", encoding="utf-8") as out:
        out.write(page)


def make_site(args):
    page = open(args.page, "rb").read()
    window = json.load(open(args.description, encoding="utf-8"))
    lang = re.search(rb'<html lang="([^"]+)"', page)
    if not lang:
        sys.exit("assemble.py: the page names no language")
    # The installed app is named as the window's title strip, and for short as the game: the last
    # part of the window's title. Its colours are the title strip's and the window's.
    form = window["form"]
    strip = next(control for control in window["controls"] if control["name"] == "Label1")
    files = {"index.html": page}
    icons = []
    for size in (192, 512):
        for purpose in ("any", "maskable"):
            suffix = "" if purpose == "any" else "-maskable"
            name = "icon-%d%s.png" % (size, suffix)
            files[name] = icon(args, "hamburger-%d%s.png" % (size, suffix))
            icons.append({"src": name, "sizes": "%dx%d" % (size, size), "type": "image/png",
                          "purpose": purpose})
    manifest = {
        "name": strip["text"],
        "short_name": form["title"].rsplit(" - ", 1)[-1],
        "description": args.summary,
        "lang": lang.group(1).decode("ascii"),
        "dir": "ltr",
        "id": "./",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "theme_color": colour(strip["backColor"] or form["backColor"]),
        "background_color": colour(form["backColor"]),
        "icons": icons,
    }
    # Safari's Home Screen takes its icon from here alone, and shows no transparency.
    files["apple-touch-icon.png"] = icon(args, "hamburger-180-opaque.png")
    files["manifest.webmanifest"] = (json.dumps(manifest, ensure_ascii=False, indent=2)
                                     + "\n").encode("utf-8")
    version = hashlib.sha256()
    for name, body in files.items():
        version.update(name.encode("utf-8") + b"\0" + hashlib.sha256(body).digest())
    worker = fill(open(args.worker, encoding="utf-8").read(),
                  {"@FILES@": json.dumps(list(files)).replace('"', "'"),
                   "@VERSION@": version.hexdigest()[:20]}, "worker")
    files["sw.js"] = worker.encode("utf-8")
    os.makedirs(args.site, exist_ok=True)
    for name, body in files.items():
        with open(os.path.join(args.site, name), "wb") as out:
            out.write(body)
    # The same files as one archive beside the folder, for a host that takes one: in a fixed order,
    # each at SOURCE_DATE_EPOCH (in UTC, and not before 1980, the first time a zip file can hold)
    # and readable by all, so that the same site always gives the same bytes.
    when = time.gmtime(max(int(os.environ.get("SOURCE_DATE_EPOCH", "0")), 315532800))[:6]
    with zipfile.ZipFile(args.site.rstrip("/") + ".zip", "w") as archive:
        for name in sorted(files):
            entry = zipfile.ZipInfo(name, when)
            entry.external_attr = 0o644 << 16
            archive.writestr(entry, files[name], zipfile.ZIP_DEFLATED, 9)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for name in ("template", "script", "fallback", "icons", "markup", "description", "font",
                 "licence", "output", "site", "page", "worker", "summary"):
        parser.add_argument("--" + name)
    args = parser.parse_args()
    needed = (("site", "page", "icons", "description", "worker", "summary") if args.site else
              ("template", "script", "fallback", "icons", "markup", "description", "font",
               "licence", "summary", "output"))
    missing = ["--" + name for name in needed if getattr(args, name) is None]
    if missing:
        parser.error("missing " + ", ".join(missing))
    (make_site if args.site else make_page)(args)


if __name__ == "__main__":
    main()
