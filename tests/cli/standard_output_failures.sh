#!/usr/bin/env bash
# rokal-cli when standard output cannot take what it writes: a full disk, a closed
# descriptor, a reader that went away. Each run must end with exit status 2 and a
# word on standard error, never with 0 or 1 having lost its output.
# Usage: standard_output_failures.sh ROKAL-CLI SCHEDULE.csv WORK-FOLDER
set -uo pipefail
cli=$1
schedule=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# A schedule whose results are far more than a pipe holds, so that the reader is
# gone before the last write.
{
    echo "桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk,N"
    for i in $(seq 20000); do echo "ZH$i,800,1.5d,12,C30,泥浆护壁,2500,3500"; done
} >large.csv

# name | where standard output goes | arguments
cases=(
    "csv_to_full_disk|full|check|$schedule|--csv|-"
    "summary_to_full_disk|full|design|$schedule"
    "pdf_to_full_disk|full|check|$schedule|--pdf|-"
    "help_to_closed|closed|--help"
    "pile_to_closed|closed|--d|1000|--hr|1.5d|--frk|25"
    "count_line_to_closed|closed|check|$schedule|--csv|closed.csv"
    "csv_to_gone_reader|pipe|check|large.csv|--csv|-"
)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for entry in "${cases[@]}"; do
    IFS='|' read -r -a fields <<<"$entry"
    name=${fields[0]}
    args=("${fields[@]:2}")
    case ${fields[1]} in
        full) "$cli" "${args[@]}" >/dev/full 2>err.txt; status=$? ;;
        closed) "$cli" "${args[@]}" >&- 2>err.txt; status=$? ;;
        pipe)
            "$cli" "${args[@]}" 2>err.txt | head -c1 >/dev/null
            status=${PIPESTATUS[0]}
            ;;
    esac
    if [ "$status" -ne 2 ]; then
        fail "$name: exit status $status, expected 2"
    elif ! grep -q '^rokal-cli: 无法写入标准输出：' err.txt; then
        fail "$name: standard error does not say why: $(cat err.txt)"
    fi
done

# The file an output names is whole, and nothing meant for standard output went
# into it, although descriptor 1 was free when it was written.
"$cli" check "$schedule" --csv open.csv >/dev/null 2>&1
cmp -s closed.csv open.csv || fail "count_line_to_closed: the results file differs"

[ "$failures" -eq 0 ] || exit 1
echo "standard_output_failures: every failed write to standard output is exit status 2"
