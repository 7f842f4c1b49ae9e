#!/usr/bin/env bash
# Starts the real program in a real X server, types and clicks as a user would,
# saves both reports and compares the saved files with the expected bytes; the
# time line at the end of each file is checked for its label only. One pile's hr
# carries "ß", which GBK lacks: in the files it is "?" and every other character
# is exact.
#   save_both_reports.sh PROGRAM EXPECTED_DIR
set -euo pipefail
program=$(realpath "$1")
expected=$(realpath "$2")

source "$(dirname "${BASH_SOURCE[0]}")/fresh_session.sh"
RunInFreshSession 1024x768 "$0" "$@"

# Under wine (tests/windows/e2e_wine.sh) the program runs through a launcher and
# saves into its wine prefix's Documents folder.
documents=${ROKAL_E2E_DOCUMENTS:-$HOME/Documents}
read -ra launcher <<<"${ROKAL_E2E_LAUNCHER:-}"
# Seconds a step waits for the program to take it in (longer under wine).
pause=${ROKAL_E2E_PAUSE:-0.3}
text_file="$documents/嵌岩桩计算书(依据DBJ52T045-2018)_文本.txt"
table_file="$documents/嵌岩桩计算书(依据DBJ52T045-2018)_表格.txt"

"${launcher[@]}" "$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Rokal \(DBJ52/45-2018\)$' | head -n 1)
sleep 0.5

# Positions inside the window's client area, from its fixed layout.
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep "$pause"
}
type_into() {  # x y text: replaces the text of an input
    click "$1" "$2"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 30 "$3"
    sleep "$pause"
}
compute_or_view() { click 84 552; }
exit_or_save() { click 236 552; }

compute_or_view                 # ZH1: the start inputs
type_into 250 121 1500          # d
type_into 250 161 9d            # hr, capped for soft rock
type_into 250 201 10            # frk
compute_or_view                 # ZH2
click 298 348                   # "≈" shows the rounding box
click 243 344                   # opens its list on "个位取整"
xdotool key Up Return           # "一位小数": recomputes as ZH3
sleep 0.5
type_into 250 161 "1.5dß"       # hr: "ß", which GBK lacks, after the "d"
compute_or_view                 # ZH4
compute_or_view                 # "结果"
exit_or_save                    # saves the text report
click 306 16                    # the table report
exit_or_save                    # saves it
compute_or_view                 # "返回"
exit_or_save                    # "退出"

status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "the program ended with $status" >&2; exit 1; }

check() {  # saved expected: the bytes up to the last CR LF, then the time line
    local saved=$1 want=$2
    [ -f "$saved" ] || { echo "not saved: $saved" >&2; return 1; }
    local size body
    size=$(stat -c %s "$want")
    body=$(mktemp)
    head -c "$size" "$saved" >"$body"
    if ! cmp "$body" "$want"; then
        echo "saved file differs from $want" >&2
        return 1
    fi
    # The rest is the time line: "计算时间：" in GBK and no line break after it.
    local rest
    rest=$(tail -c +"$((size + 1))" "$saved" | od -An -tx1 | tr -d ' \n')
    case "$rest" in
        bcc6cbe3cab1bce4a3ba*) ;;
        *) echo "time line of $saved is $rest" >&2; return 1 ;;
    esac
    case "$rest" in
        *0d0a) echo "$saved ends with a line break" >&2; return 1 ;;
    esac
}
if [ -n "${ROKAL_E2E_KEEP:-}" ]; then  # a folder to keep the saved files in, for a look
    cp "$text_file" "$ROKAL_E2E_KEEP/text.txt"
    cp "$table_file" "$ROKAL_E2E_KEEP/table.txt"
fi
check "$text_file" "$expected/text.txt"
check "$table_file" "$expected/table.txt"
echo "both reports saved as expected"
