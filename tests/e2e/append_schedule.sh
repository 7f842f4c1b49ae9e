#!/usr/bin/env bash
# Starts the real program in a real X server with a schedule file on its command
# line, appends the schedule to the calculation book from the schedule window,
# saves the book's table form from the main window and compares the saved file
# with the expected bytes; the time line at its end is checked for its label only.
#   append_schedule.sh PROGRAM SCHEDULE EXPECTED_TABLE
set -euo pipefail
[ -n "${ROKAL_E2E_TRACE:-}" ] && set -x
program=$(realpath "$1")
schedule=$(realpath "$2")
expected=$(realpath "$3")

source "$(dirname "${BASH_SOURCE[0]}")/fresh_session.sh"
RunInFreshSession 1280x1024 "$0" "$@"

# Under wine (tests/windows/e2e_wine.sh) the program runs through a launcher,
# saves into its wine prefix's Documents folder and is given Windows file names.
documents=${ROKAL_E2E_DOCUMENTS:-$HOME/Documents}
read -ra launcher <<<"${ROKAL_E2E_LAUNCHER:-}"
table_file="$documents/嵌岩桩计算书(依据DBJ52T045-2018)_表格.txt"

# The file name as a file manager passes it: absolute, with Chinese characters.
argument=$schedule
if [ -n "${ROKAL_E2E_WINDOWS_NAMES:-}" ]; then
    argument="Z:${schedule//\//\\}"
fi
"${launcher[@]}" "$program" "$argument" &
pid=$!
name=$(basename "$schedule")
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Rokal \(DBJ52/45-2018\)$' | head -n 1)
schedule_window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$name - 桩表计算\$" | head -n 1)
sleep 0.5

# "加入计算书" (Ctrl+B) in the schedule window, then the message box it answers with.
xdotool windowfocus --sync "$schedule_window"
xdotool key --clearmodifiers ctrl+b
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Rokal$' | head -n 1)
xdotool windowfocus --sync "$box"
xdotool key Return
sleep 0.5

# In the main window, from its fixed layout: "结果", the table form, "保存". The
# schedule window may lie over it, and there is no window manager to raise it.
xdotool windowraise "$window"
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.3
}
click 84 552                    # "结果"
click 306 16                    # the table form
click 236 552                   # saves it
click 84 552                    # "返回"
click 236 552                   # "退出": the schedule has no changes, so no question

status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "the program ended with $status" >&2; exit 1; }

[ -f "$table_file" ] || { echo "not saved: $table_file" >&2; exit 1; }
if [ -n "${ROKAL_E2E_KEEP:-}" ]; then  # a folder to keep the saved file in, for a look
    cp "$table_file" "$ROKAL_E2E_KEEP/schedule_table.txt"
fi
size=$(stat -c %s "$expected")
if ! cmp <(head -c "$size" "$table_file") "$expected"; then
    echo "saved book differs from $expected" >&2
    exit 1
fi
# The rest is the time line: "计算时间：" in GBK and no line break after it.
rest=$(tail -c +"$((size + 1))" "$table_file" | od -An -tx1 | tr -d ' \n')
case "$rest" in
    bcc6cbe3cab1bce4a3ba*) ;;
    *) echo "time line is $rest" >&2; exit 1 ;;
esac
case "$rest" in
    *0d0a) echo "the book ends with a line break" >&2; exit 1 ;;
esac
echo "schedule appended and its book saved as expected"
