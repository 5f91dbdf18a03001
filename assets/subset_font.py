#!/usr/bin/python3
"""Cuts the Chinese characters that Zorvik's own texts use out of WenQuanYi
Micro Hei into assets/ui_font.ttf, under the family name "Zorvik UI Hei".

The program draws its captions and messages with this small embedded font, so
it does not have to map the whole 5 MB system font for a few dozen glyphs;
text a child types that the subset lacks still falls back to the system font.
Run it (python3 assets/subset_font.py) whenever a text of the program changes;
a test checks that every character of the windows and messages is covered.
WenQuanYi Micro Hei, and so the cut, is licensed under the Apache License 2.0
or the GPL version 3 or later with the font exception (see .reuse/dep5)."""

import re
import sys
from pathlib import Path

import debian_python

try:
    from fontTools import subset
    from fontTools.ttLib import TTFont
except ImportError:
    debian_python.rerun_or_exit("python3-fonttools")

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent
SOURCE = Path("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc")
FAMILY = "Zorvik UI Hei"
OUTPUT = HERE / "ui_font.ttf"
TEXT_FOLDERS = ("app", "practice", "services", "settings")
STRING_LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def program_characters():
    """Every character above ASCII in a string literal of the program."""
    found = set()
    for folder in TEXT_FOLDERS:
        for path in sorted((ROOT / folder).rglob("*.[ch]*")):
            for literal in STRING_LITERAL.findall(path.read_text(encoding="utf-8")):
                found.update(c for c in literal if ord(c) > 0x7F)
    return found


def main():
    if not SOURCE.exists():
        sys.exit(f"{SOURCE} is missing: apt-get install fonts-wqy-microhei")
    characters = program_characters()
    font = TTFont(SOURCE, fontNumber=0, recalcTimestamp=False)  # same bytes every run
    options = subset.Options()
    options.name_IDs = ["*"]
    options.notdef_outline = True
    options.hinting = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(ord(c) for c in characters))
    subsetter.subset(font)
    for record in font["name"].names:
        if record.nameID in (1, 4, 16):
            record.string = FAMILY
        elif record.nameID == 6:
            record.string = FAMILY.replace(" ", "")
    font.save(OUTPUT)
    print(f"{OUTPUT.name}: {len(characters)} characters, {OUTPUT.stat().st_size} bytes")


if __name__ == "__main__":
    main()
