#!/usr/bin/env python3
"""Derives a typeface of the typeset calculation book from a Noto CJK collection.

Usage: derive_book_font.py SOURCE.ttc SOURCE_FAMILY FAMILY POSTSCRIPT_NAME OUTPUT.otf

The book is set in two faces derived this way: a serif for the text and the
numbers (from Noto Serif CJK SC) and a bold sans for the headings (from Noto
Sans CJK SC Bold). A derived face differs from its source in three ways:

- It holds only the characters of GB 2312, printable ASCII, Latin-1, the Greek
  letters and the signs of the formulas (½ ² ³ · × − ≤ ≥ π and the like).
- A glyph keeps one code point where the source gave it several: PDF text
  extraction maps each glyph to one code point, and the lowest one would read
  "身" back as the Kangxi radical "⾝". A glyph that draws a unified ideograph
  keeps only that ideograph; any other keeps its lowest code point.
- Its names are its own, so that it never stands in for the installed source.
"""

import os
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection, TTFont

from derive_report_font import code_points_by_glyph, drop_code_points, kept_code_points
from derive_report_font import preferred_code_point

# The signs the formulas and tables use beyond GB 2312.
FORMULA_SIGNS = (
    list(range(0xA0, 0x100))  # Latin-1: ½ ² ³ · × ° ±
    + list(range(0x2010, 0x2028))  # dashes, quotes, bullet, ellipsis
    + list(range(0x2030, 0x203B))  # per mille, primes
    + list(range(0x2070, 0x20A0))  # superscripts and subscripts
    + [0x2211, 0x2212, 0x2215, 0x221A, 0x2248, 0x2260, 0x2264, 0x2265, 0x03C0]
)


def source_index(path, family):
    collection = TTCollection(path, lazy=True)
    for index, font in enumerate(collection.fonts):
        if font["name"].getDebugName(1) == family:
            return index
    sys.exit(f"{path} holds no font of the family {family}")


def load_subset(path, family):
    font = TTFont(path, fontNumber=source_index(path, family), recalcTimestamp=False)
    options = subset.Options()
    options.layout_features = []
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = False
    options.drop_tables += ["VORG", "vhea", "vmtx", "BASE"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=kept_code_points() | set(FORMULA_SIGNS))
    subsetter.subset(font)
    return font


def keep_one_code_point_per_glyph(font):
    dropped = set()
    for code_points in code_points_by_glyph(font).values():
        preferred = preferred_code_point(code_points)
        dropped.update(cp for cp in code_points if cp != preferred)
    drop_code_points(font, dropped)


def rename(font, source_family, family, postscript_name):
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (16, 17, 18, 21, 22):
            names.removeNames(nameID=record.nameID)
    version = names.getDebugName(5) or ""
    texts = {
        1: family,
        3: f"{postscript_name}; derived from {source_family} {version}",
        4: family,
        6: postscript_name,
    }
    for record in names.names:
        if record.nameID in texts:
            record.string = texts[record.nameID]
    cff = font["CFF "].cff
    cff.fontNames = [postscript_name]
    top = cff.topDictIndex[0]
    if hasattr(top, "FullName"):
        top.FullName = family
    if hasattr(top, "FamilyName"):
        top.FamilyName = family


def main():
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    source, source_family, family, postscript_name, output = sys.argv[1:]
    font = load_subset(source, source_family)
    keep_one_code_point_per_glyph(font)
    rename(font, source_family, family, postscript_name)
    temporary = f"{output}.{os.getpid()}.part"
    font.save(temporary)
    os.replace(temporary, output)


if __name__ == "__main__":
    main()
