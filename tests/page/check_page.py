#!/usr/bin/python3
"""check_page.py: checks the assembled page without a browser.

Its embedded font must have a glyph for every character the window shows (the shown controls'
texts and the stored rows of the window's description) and of the message the page shows where the
game cannot start, and the file must keep within its size budget. Prints each fault and exits 1 on
any. Needs fontTools.
"""

import argparse
import base64
import io
import json
import re
import sys

from fontTools.ttLib import TTFont

BUDGET = 200 * 1024  # bytes, the page as shipped


def data_url(page, pattern):
    match = re.search(pattern + r'"data:[^;"]+;base64,([A-Za-z0-9+/=]+)"', page)
    return base64.b64decode(match.group(1)) if match else None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--page", required=True)
    parser.add_argument("--description", required=True)
    args = parser.parse_args()
    raw = open(args.page, "rb").read()
    page = raw.decode("utf-8")
    faults = []

    if len(raw) > BUDGET:
        faults.append("the page is %d bytes, over its budget of %d" % (len(raw), BUDGET))

    font = data_url(page, r"src: url\(")
    if font is None:
        faults.append("the page embeds no font")
    else:
        glyphs = TTFont(io.BytesIO(font)).getBestCmap()
        window = json.load(open(args.description, encoding="utf-8"))
        texts = [c["text"] for c in window["controls"] if c["visible"]]
        texts += sum(window["solutions"], [])
        messages = re.findall(r'role="alert"[^>]*>([^<]*)<', page)
        if not messages:
            faults.append("the page has no message for where the game cannot start")
        shown = set("".join(texts + messages)) - set("\r\n")
        missing = sorted(ch for ch in shown if ord(ch) not in glyphs)
        if not shown:
            faults.append("the description has no texts")
        if missing:
            faults.append("the font lacks %s" % "".join(missing))

    for fault in faults[:20]:
        print(fault)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
