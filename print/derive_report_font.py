#!/usr/bin/env python3
"""Derives the font of the printed calculation book from Noto Sans Mono CJK SC.

Usage: derive_report_font.py SOURCE.ttc OUTPUT.otf

The derived font, "Rokal Report Mono", differs from its source in four ways:

- It holds only the characters of GB 2312, printable ASCII and the Greek letters,
  which is more than a report can contain and a tenth of the source.
- A glyph keeps one code point where the source gave it several and a reader would
  take the wrong one back: PDF text extraction maps each glyph to the lowest code
  point that draws it, so "身" came back as the Kangxi radical "⾝". A glyph that
  draws a unified ideograph keeps only code points from the ideograph on.
- Every glyph is exactly as wide as the cells its character takes in a report line
  (one cell is the advance of "0"; see print/ReportColumns.h), its outline
  centred in that width. Text drawn cell by cell then leaves no gaps that a reader
  of the PDF would take for spaces.
- Its names are its own, so that it never stands in for the installed source font.
"""

import os
import sys
from collections import defaultdict

from fontTools import subset
from fontTools.pens.t2CharStringPen import T2CharStringPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTCollection, TTFont

SOURCE_FAMILY = "Noto Sans Mono CJK SC"
FAMILY = "Rokal Report Mono"
POSTSCRIPT_NAME = "RokalReportMono-Regular"


def is_unified_ideograph(cp):
    return 0x4E00 <= cp <= 0x9FFF


# The column rule of the report lines, as ReportColumns.cpp states it.
def cells_of(cp):
    if 0x1000 <= cp <= 0x9FA5:
        return 2
    if 0x0391 <= cp <= 0x03C9:
        return 2
    if 0xFF01 <= cp <= 0xFF60 or 0xFFE0 <= cp <= 0xFFE6:
        return 2
    return 1


# The characters of the GB 2312 rows, in both common mappings (code page 936 reads
# A1A4 as U+00B7, the GB 2312 table as U+30FB), printable ASCII and the Greek letters.
def kept_code_points():
    keep = set(range(0x20, 0x7F)) | set(range(0x0391, 0x03CA))
    for high in range(0xA1, 0xF8):
        for low in range(0xA1, 0xFF):
            for codec in ("gbk", "gb2312"):
                try:
                    keep.update(ord(c) for c in bytes((high, low)).decode(codec))
                except UnicodeDecodeError:
                    pass
    return keep


def source_index(path):
    collection = TTCollection(path, lazy=True)
    for index, font in enumerate(collection.fonts):
        if font["name"].getDebugName(1) == SOURCE_FAMILY:
            return index
    sys.exit(f"{path} holds no font of the family {SOURCE_FAMILY}")


def load_subset(path):
    font = TTFont(path, fontNumber=source_index(path), recalcTimestamp=False)
    options = subset.Options()
    options.layout_features = []
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = False
    options.drop_tables += ["VORG", "vhea", "vmtx", "BASE"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=kept_code_points())
    subsetter.subset(font)
    return font


def code_points_by_glyph(font):
    by_glyph = defaultdict(list)
    for cp, glyph in font.getBestCmap().items():
        by_glyph[glyph].append(cp)
    return by_glyph


def preferred_code_point(code_points):
    unified = [cp for cp in code_points if is_unified_ideograph(cp)]
    return min(unified) if unified else min(code_points)


def drop_code_points(font, dropped):
    for table in font["cmap"].tables:
        if table.format == 14:
            continue
        for cp in dropped:
            table.cmap.pop(cp, None)


# Keeps per glyph the preferred code point and those above it that take as many
# cells; returns the cells each glyph's character takes.
def settle_code_points(font):
    dropped = set()
    cells = {}
    for glyph, code_points in code_points_by_glyph(font).items():
        preferred = preferred_code_point(code_points)
        cells[glyph] = cells_of(preferred)
        for cp in code_points:
            if cp < preferred or cells_of(cp) != cells[glyph]:
                dropped.add(cp)
    drop_code_points(font, dropped)
    return cells


def shifted_charstring(char_strings, glyph, dx, width_operand):
    original = char_strings[glyph]
    pen = T2CharStringPen(width_operand, None)
    original.draw(TransformPen(pen, (1, 0, 0, 1, dx, 0)))
    return pen.getCharString(private=original.private, globalSubrs=original.globalSubrs)


def width_operand(private, advance):
    default = getattr(private, "defaultWidthX", 0)
    if advance == default:
        return None
    return advance - getattr(private, "nominalWidthX", 0)


def fit_advances(font, cells):
    cff = font["CFF "].cff
    top = cff[cff.fontNames[0]]
    char_strings = top.CharStrings
    hmtx = font["hmtx"]
    cell = hmtx["zero" if "zero" in hmtx.metrics else font.getBestCmap()[ord("0")]][0]
    for glyph, count in cells.items():
        advance, lsb = hmtx[glyph]
        target = count * cell
        if advance == target:
            continue
        dx = round((target - advance) / 2)
        private = char_strings[glyph].private
        char_strings[glyph] = shifted_charstring(
            char_strings, glyph, dx, width_operand(private, target)
        )
        hmtx[glyph] = (target, lsb + dx)


def rename(font):
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (16, 17, 18, 21, 22):
            names.removeNames(nameID=record.nameID)
    version = names.getDebugName(5) or ""
    texts = {
        1: FAMILY,
        3: f"{POSTSCRIPT_NAME}; derived from {SOURCE_FAMILY} {version}",
        4: FAMILY,
        6: POSTSCRIPT_NAME,
    }
    for record in names.names:
        if record.nameID in texts:
            record.string = texts[record.nameID]
    cff = font["CFF "].cff
    cff.fontNames = [POSTSCRIPT_NAME]
    top = cff.topDictIndex[0]
    if hasattr(top, "FullName"):
        top.FullName = FAMILY
    if hasattr(top, "FamilyName"):
        top.FamilyName = FAMILY


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source, output = sys.argv[1], sys.argv[2]
    font = load_subset(source)
    cells = settle_code_points(font)
    fit_advances(font, cells)
    rename(font)
    temporary = f"{output}.{os.getpid()}.part"
    font.save(temporary)
    os.replace(temporary, output)


if __name__ == "__main__":
    main()
