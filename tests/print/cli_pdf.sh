#!/usr/bin/env bash
# rokal-cli --pdf with no display: both forms of a schedule's book as PDF files,
# read back with poppler's tools and compared with the text books of the same run.
# Usage: cli_pdf.sh ROKAL-CLI SCHEDULE.csv WORK-FOLDER
# ROKAL_TEST_LAUNCHER, if set, is what runs rokal-cli (wine in a Windows build).
set -euo pipefail
read -ra launcher <<<"${ROKAL_TEST_LAUNCHER:-}"
cli=$1
schedule=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
cd "$work"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The report lines with runs of spaces made one, CR LF ends and empty lines dropped.
normalise() {
    tr -d '\r' | sed -e 's/  */ /g' -e 's/^ //' -e 's/ $//' | grep -v '^$' || true
}

# A PDF's text without its running header and footer.
pdf_body() {
    pdftotext -layout "$1" - | tr -d '\f' | normalise |
        grep -v -e '^嵌岩桩计算书(依据DBJ52T045-2018) \(文本\|表格\)$' \
            -e '^计算时间：2022/12/28 10:00:00 第 [0-9]* 页 共 [0-9]* 页$' || true
}

run() {
    local status=0
    "${launcher[@]}" "$cli" "$@" --time "2022/12/28 10:00:00" --book-encoding utf8 2>>err.txt >/dev/null ||
        status=$?
    [ "$status" -le 1 ] || fail "rokal-cli $* gave exit status $status: $(cat err.txt)"
}

run check "$schedule" --text-book text.txt --pdf text.pdf
run design "$schedule" --table-book table.txt --pdf table.pdf --pdf-form table
if grep -q -i -e 'qt' -e 'QStandardPaths' -e 'display' err.txt; then
    fail "Qt's notices reached the terminal: $(cat err.txt)"
fi

pdfinfo text.pdf | grep -q '^Page size: *595 x 842 pts (A4)' || fail "text book not upright A4"
pdfinfo table.pdf | grep -q '^Page size: *842 x 595 pts (A4)' || fail "table book not across A4"
pdffonts text.pdf | grep -q '^RokalReportMono-Regular .* yes  *no  *yes ' ||
    fail "report face not embedded: $(pdffonts text.pdf)"

diff <(normalise <text.txt) <(pdf_body text.pdf) || fail "text PDF differs from the text book"
diff <(normalise <table.txt) <(pdf_body table.pdf) || fail "table PDF differs from the table book"
echo "cli_pdf: both forms read back as their books"
