#!/usr/bin/env bash
# Converts the book with headless LibreOffice (a profile of its own) to PDF and
# finds every pile's mark, Ra and Rc in the converted text, and the page footer.
# Usage: libreoffice_convert.sh BOOK.docx VALUES WORK_DIR
set -euo pipefail
book=$1 values=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
profile=$(mktemp -d /tmp/rokal-lo-XXXXXX)
trap 'rm -rf "$profile"' EXIT
HOME=$profile soffice --headless --norestore "-env:UserInstallation=file://$profile" \
    --convert-to pdf --outdir "$work" "$book" >"$work/convert.log" 2>&1
pdf=$work/$(basename "${book%.docx}").pdf
[ -s "$pdf" ] || { echo "no PDF from LibreOffice"; cat "$work/convert.log"; exit 1; }
pdftotext -enc UTF-8 "$pdf" "$work/text.txt"
fail=0
while IFS=$'\t' read -r mark ra rc ra_check rc_check; do
    for want in "$mark" "= $ra kN" "= $rc kN"; do
        grep -qF -- "$want" "$work/text.txt" || { echo "$mark: \"$want\" missing"; fail=1; }
    done
done <"$values"
# The title page holds everything down to its date.
pdftotext -f 1 -l 1 -enc UTF-8 "$pdf" "$work/title.txt"
grep -qE '2024 ?年 ?3 ?月 ?5 ?日' "$work/title.txt" || { echo "the date is not on the title page"; fail=1; }
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
grep -qE "第 ?1 ?页 ?共 ?$pages ?页" "$work/text.txt" || { echo "no footer 第 1 页 共 $pages 页"; fail=1; }
exit $fail
