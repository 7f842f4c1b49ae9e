#!/usr/bin/env bash
# rokal-cli --book-pdf and --docx with no display: the typeset book and the Word
# document of a schedule, with the project from a file and an option, read back
# with pdftotext and python3-docx.
# Usage: cli_typeset_book.sh ROKAL-CLI SCHEDULE.csv WORK-FOLDER
# ROKAL_TEST_LAUNCHER, if set, is what runs rokal-cli (wine in a Windows build).
set -euo pipefail
read -ra launcher <<<"${ROKAL_TEST_LAUNCHER:-}"
cli=$1 schedule=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fail() { echo "FAIL: $*" >&2; exit 1; }

printf '{"project-name": "文件中的名称", "工程编号": "GY-017", "checked-by": "李四"}' >project.json
status=0
"${launcher[@]}" "$cli" check "$schedule" --book-pdf book.pdf --docx book.docx --detail typical \
    --project-info project.json --project-name "贵阳某住宅楼" --book-date "2024年3月5日" \
    >out.txt 2>err.txt || status=$?
[ "$status" = 1 ] || fail "exit status $status, expected 1 (piles fail their checks)"
pdffonts book.pdf | awk 'NR > 2 && $(NF-4) != "yes" {exit 1}' || fail "a font is not embedded"
pdftotext -enc UTF-8 book.pdf book.txt
for want in "贵阳某住宅楼" "GY-017" "李四" "2024年3月5日" "Ra = Quk / K = 6424 / 2 = 3212 kN" \
    "ZH3（Ra < Nk 不足 4.4%）"; do
    grep -qF -- "$want" book.txt || fail "book.pdf lacks \"$want\""
done
grep -qF "文件中的名称" book.txt && fail "the option did not take precedence over the file"
/usr/bin/python3 - <<'PY' || fail "python3-docx"
import docx
d = docx.Document("book.docx")
text = "\n".join(p.text for p in d.paragraphs)
assert "贵阳某住宅楼" in d.sections[0].header.paragraphs[0].text
assert "Ra = Quk / K = 6424 / 2 = 3212 kN" in text, text
PY
# "-" writes the document to standard output.
"${launcher[@]}" "$cli" check "$schedule" --docx - >stdout.docx 2>/dev/null || [ $? = 1 ] || fail "--docx - failed"
[ "$(head -c 2 stdout.docx)" = PK ] || fail "--docx - wrote no Word document"
echo ok
