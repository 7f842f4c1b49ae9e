#!/usr/bin/env python3
"""Opens the book with python3-docx and finds every pile's values in it.

Usage: check_docx.py BOOK.docx VALUES

VALUES holds one pile a line: mark, Ra, Rc and the verdicts of Ra >= Nk and
Rc >= N, separated by tabs (a verdict is empty when the pile has no load).
Each pile must have its heading, its summary row (mark, Ra, Rc, verdicts in
their columns) and the lines "Ra = … = <Ra> kN" and "Rc = … = <Rc> kN" of its
worked calculation. The header and footer must carry the page fields.
"""

import sys

import docx


def fail(message):
    print(message)
    sys.exit(1)


def main():
    path, values_path = sys.argv[1], sys.argv[2]
    document = docx.Document(path)
    paragraphs = [p.text for p in document.paragraphs]
    headings = {p.text for p in document.paragraphs if p.style.name.lower() == "heading 3"}
    summary = None
    for table in document.tables:
        if table.rows and table.rows[0].cells[0].text == "桩号":
            summary = table
    if summary is None:
        fail("no summary table")
    rows = {row.cells[0].text: [c.text for c in row.cells] for row in summary.rows[1:]}

    with open(values_path, encoding="utf-8") as values:
        piles = [line.rstrip("\n").split("\t") for line in values if line.strip()]
    if not piles:
        fail("no piles to look for")
    for mark, ra, rc, ra_check, rc_check in piles:
        if mark not in headings:
            fail(f"{mark}: no heading")
        row = rows.get(mark)
        if row is None:
            fail(f"{mark}: no summary row")
        if row[8] != ra or row[11] != rc:
            fail(f"{mark}: summary Ra {row[8]} Rc {row[11]}, expected {ra} {rc}")
        for cell, verdict in ((row[10], ra_check), (row[13], rc_check)):
            if (verdict and not cell.startswith(verdict + " ")) or (not verdict and cell != "—"):
                fail(f"{mark}: summary verdict {cell!r}, expected {verdict!r}")
        start = paragraphs.index(mark, paragraphs.index("3 单桩计算"))
        block = paragraphs[start:start + 20]
        if not any(p.startswith("Ra = Quk / K = ") and p.endswith(f" = {ra} kN") for p in block):
            fail(f"{mark}: no worked Ra = {ra} kN")
        if not any(p.startswith("Rc = ψc·fc·Ap = ") and p.endswith(f" = {rc} kN") for p in block):
            fail(f"{mark}: no worked Rc = {rc} kN")

    section = document.sections[0]
    footer_xml = section.footer._element.xml
    if "PAGE" not in footer_xml or "NUMPAGES" not in footer_xml:
        fail("the footer has no page fields")
    if "嵌岩桩计算书" not in section.header.paragraphs[0].text:
        fail("the header has no title")
    print(f"{len(piles)} piles found")


if __name__ == "__main__":
    main()
