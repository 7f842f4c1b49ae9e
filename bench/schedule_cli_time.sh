#!/usr/bin/env bash
# Whole-process time and peak memory of rokal-cli on generated schedules:
#   schedule_cli_time.sh ROKAL_CLI [ROWS] [BOOK_ROWS]
# designs a ROWS-row schedule (100,000 by default) into a results CSV, and the same
# schedule as an .xlsx workbook into a results workbook, then writes both
# calculation books of a BOOK_ROWS-row one (10,000), each under /usr/bin/time -v.
set -euo pipefail
cli=$(realpath "$1")
rows=${2:-100000}
book_rows=${3:-10000}
work=$(mktemp -d "${TMPDIR:-/tmp}/rokal-cli-time.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The same mix as bench/ScheduleFixture.h: varied d, hr in mm and as multiples of d,
# frk, grades, processes, rows with both loads, with Nk only and with none.
generate() {
    awk -v n="$1" 'BEGIN {
        split("干作业 泥浆护壁 后注浆 水下", process, " ");
        split("C25 C30 C35 C40", grade, " ");
        printf "桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk,N,备注\r\n";
        for (i = 0; i < n; ++i) {
            d = 600 + (i * 37 % 15) * 100;
            hr = (i % 3 == 0) ? (500 + i * 53 % 4000) : (1 + i % 5) ".5d";
            frk = (3 + i * 7 % 60) "." (i % 10);
            nk = (i % 7 == 6) ? "" : int(d * d / 150) + i * 31 % 4000;
            ax = (i % 5 == 4) ? "" : int(d * d / 120) + i * 17 % 3000;
            printf "ZH%d,%d,%s,%s,%s,%s,%s,%s,第%d轴\r\n", i + 1, d, hr, frk,
                   grade[i % 4 + 1], process[int(i / 4) % 4 + 1], nk, ax, int(i / 20) + 1;
        }
    }'
}

measure() {
    local label=$1
    shift
    local status=0
    /usr/bin/time -v "$@" >"$work/out" 2>"$work/time" || status=$?
    local wall rss user sys
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time")
    user=$(sed -n 's/.*User time (seconds): //p' "$work/time")
    sys=$(sed -n 's/.*System time (seconds): //p' "$work/time")
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
    echo "$label: wall $wall, user ${user}s, system ${sys}s, peak memory $((rss / 1024)) MB, exit status $status"
}

# The CSV schedule as a workbook, numbers as numbers, written by openpyxl
# (Debian's python3-openpyxl) as another program would write it.
workbook() {
    /usr/bin/python3 - "$1" "$2" <<'PYTHON'
import csv, sys
import openpyxl

def value(text):
    try:
        return int(text)
    except ValueError:
        try:
            return float(text)
        except ValueError:
            return text

book = openpyxl.Workbook(write_only=True)
sheet = book.create_sheet("桩表")
with open(sys.argv[1], encoding="utf-8", newline="") as f:
    for i, row in enumerate(csv.reader(f)):
        sheet.append(row if i == 0 else [value(cell) if cell else None for cell in row])
book.save(sys.argv[2])
PYTHON
}

generate "$rows" >"$work/piles.csv"
generate "$book_rows" >"$work/book.csv"
workbook "$work/piles.csv" "$work/piles.xlsx"
measure "design $rows rows to a results CSV" \
    "$cli" design "$work/piles.csv" --csv "$work/results.csv"
measure "design $rows rows from a workbook to a results workbook" \
    "$cli" design "$work/piles.xlsx" --xlsx "$work/results.xlsx"
measure "both books of $book_rows rows" \
    "$cli" check "$work/book.csv" --text-book "$work/文本.txt" --table-book "$work/表格.txt" \
    --time "2022/12/28 09:05:03"
ls -l "$work" | awk 'NR > 1 {print "  " $5 " bytes  " $9}'
