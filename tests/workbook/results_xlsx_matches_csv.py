"""The results workbook of rokal-cli, read back with openpyxl, an independent
reader: it holds the values of the results CSV of the same run, numbers as
numbers in the rounding's formats, the checks and bad cells in their colours, a
bold, frozen and filtered header, and the summary sheet.

    results_xlsx_matches_csv.py ROKAL_CLI EXAMPLE_CSV WORK_DIR

ROKAL_TEST_LAUNCHER, if set, is what runs rokal-cli (wine in a Windows build).
"""
import csv
import os
import subprocess
import sys

import openpyxl

HOLDS, FAILS, BAD_TEXT, BAD_FILL = "FF008000", "FFD00000", "FFB00000", "FFFFD6D6"
ZETA, MARGIN = "0.0000", "0.0;[Red]-0.0"
CAPACITY = {"2": "0.00", "1": "0.0", "0": "0", "10": "0", "100": "0"}

# The example's piles, a pile with a bad cell, and marks a spreadsheet would run
# as formulas.
EXTRA_ROWS = [
    "ZH8,abc,1.5d,25,C30,水下,9000,,坏桩\n",
    "=1+1,1000,1.5d,25,C30,水下,9000,,\"@SUM(A1)\"\n",
]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def csv_text(text):
    """A CSV text as the workbook holds it: without the apostrophe that keeps a
    spreadsheet from running a CSV text as a formula."""
    if text[:1] == "'" and text[1:2] in ("=", "+", "-", "@", "\t", "\r"):
        return text[1:]
    return text


def colour(font):
    return font.color.rgb if font is not None and font.color is not None else None


def compare(csv_path, xlsx_path, rounding):
    with open(csv_path, encoding="utf-8-sig", newline="") as f:
        rows = list(csv.reader(f))
    book = openpyxl.load_workbook(xlsx_path)
    check(book.sheetnames == ["计算结果", "汇总"], f"sheets {book.sheetnames}")
    sheet = book["计算结果"]
    header = rows[0]
    check(sheet.freeze_panes == "A2", f"frozen at {sheet.freeze_panes}")
    last = openpyxl.utils.get_column_letter(len(header))
    check(sheet.auto_filter.ref == f"A1:{last}{len(rows)}", f"filter {sheet.auto_filter.ref}")
    check(sheet.max_row == len(rows), f"{sheet.max_row} rows, CSV {len(rows)}")
    column_of = {name: i for i, name in enumerate(header)}
    for c, name in enumerate(header, start=1):
        cell = sheet.cell(1, c)
        check(cell.value == name and cell.font.b, f"header {c}: {cell.value!r}")
        width = sheet.column_dimensions[openpyxl.utils.get_column_letter(c)].width
        check(width is not None and width >= len(name.encode("gbk")), f"width of {name}: {width}")
    numbers = {"桩径", "嵌岩深度", "岩石强度", "Nk", "N", "ζr", "Ra(kN)", "Rc(kN)", "Ra富余(%)", "Rc富余(%)"}
    for r, row in enumerate(rows[1:], start=2):
        errors = row[column_of["错误"]]
        for c, text in enumerate(row, start=1):
            name = header[c - 1]
            cell = sheet.cell(r, c)
            where = f"{cell.coordinate} ({name})"
            text = csv_text(text)
            if text == "":
                check(cell.value is None, f"{where}: {cell.value!r}, CSV empty")
                continue
            try:
                number = float(text)
            except ValueError:
                number = None
            if name in numbers and number is not None:
                check(cell.data_type == "n" and cell.value == number,
                      f"{where}: {cell.value!r}, CSV {text!r}")
            else:
                check(cell.data_type == "s" and cell.value == text,
                      f"{where}: {cell.value!r} ({cell.data_type}), CSV {text!r}")
            expected_format = {"ζr": ZETA, "Ra(kN)": CAPACITY[rounding], "Rc(kN)": CAPACITY[rounding],
                               "Ra富余(%)": MARGIN, "Rc富余(%)": MARGIN}.get(name, "General")
            if cell.data_type == "n":
                check(cell.number_format == expected_format,
                      f"{where}: format {cell.number_format!r}, expected {expected_format!r}")
            if name in ("Ra≥Nk", "Rc≥N"):
                check(colour(cell.font) == (HOLDS if text == "满足" else FAILS),
                      f"{where}: colour {colour(cell.font)} for {text}")
            if name in ("桩径", "嵌岩深度", "岩石强度") and name + "：" in errors:
                check(colour(cell.font) == BAD_TEXT and cell.fill.fgColor.rgb == BAD_FILL,
                      f"{where}: a bad cell not marked")
    summary = {row[0]: row[1] for row in book["汇总"].iter_rows(min_row=2, values_only=True)}
    passing = sum(1 for row in rows[1:] if row[column_of["错误"]] == "" and "不满足" not in row)
    bad = sum(1 for row in rows[1:] if row[column_of["错误"]] != "")
    check(summary.get("桩数") == len(rows) - 1, f"summary {summary}")
    check(summary.get("计算完成且验算满足") == passing, f"summary {summary}")
    check(summary.get("有错误") == bad, f"summary {summary}")
    check(summary.get("计算时间") == "2022/12/28 09:05:03", f"summary {summary}")
    check(summary.get("深度取整") == "0.5d", f"summary {summary}")


def main():
    cli, example, work = sys.argv[1:4]
    launcher = os.environ.get("ROKAL_TEST_LAUNCHER", "").split()
    os.makedirs(work, exist_ok=True)
    schedule = os.path.join(work, "桩表.csv")
    with open(example, encoding="utf-8") as f:
        text = f.read()
    with open(schedule, "w", encoding="utf-8") as f:
        f.write(text + "".join(EXTRA_ROWS))
    for rounding in ("0", "1", "2", "10"):
        results_csv = os.path.join(work, f"结果{rounding}.csv")
        results_xlsx = os.path.join(work, f"结果{rounding}.xlsx")
        run = subprocess.run(launcher + [cli, "design", schedule, "--round", rounding, "--step", "0.5d",
                              "--decimal-separator", ".", "--time", "2022/12/28 09:05:03",
                              "--csv", results_csv, "--xlsx", results_xlsx],
                             capture_output=True, text=True)
        check(run.returncode == 1, f"exit status {run.returncode}: {run.stderr}")
        compare(results_csv, results_xlsx, rounding)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
