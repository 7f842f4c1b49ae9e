#!/usr/bin/env bash
# Start time of the Windows program under wine beside the Linux program's, in one
# run: both started by turns in the same X server until the main window is on
# screen, so that the machine's load weighs on both alike. Prints the medians
# in ms and their ratio.
#   windows_startup_ratio.sh LINUX_PROGRAM WINDOWS_PROGRAM [RUNS]
# The Windows program runs in the wine prefix bench-wineprefix/ of the current
# folder; the first start (making the prefix) is not counted.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
linux=$(realpath "$1")
windows=$(realpath "$2")
runs=${3:-10}
if [ -z "${ROKAL_STARTUP_INNER:-}" ]; then
    export ROKAL_STARTUP_INNER=1 WINEPREFIX=$PWD/bench-wineprefix ROKAL_WINE_DISPLAY=1
    export WINE64=${WINE64:-/usr/lib/wine/wine64} WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver64}
    unset QT_QPA_PLATFORM
    status=0
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@" || status=$?
    "$WINESERVER" -k 2>/dev/null || true
    exit "$status"
fi

# Milliseconds from the start of the command to the main window on screen.
time_start() {
    local start end pid
    start=$(date +%s%N)
    "$@" 2>/dev/null &
    pid=$!
    until xdotool search --onlyvisible --name '^Rokal \(DBJ52/45-2018\)$' >/dev/null 2>&1; do
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    # The window is gone before the next start looks for it.
    while xdotool search --onlyvisible --name '^Rokal \(DBJ52/45-2018\)$' >/dev/null 2>&1; do
        sleep 0.01
    done
    echo $(((end - start) / 1000000))
}
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

wine_start=(sh "$here/cmake/wine-run.sh" "$windows")
time_start "${wine_start[@]}" >/dev/null
linux_times=() wine_times=()
for _ in $(seq "$runs"); do
    linux_times+=("$(time_start "$linux")")
    wine_times+=("$(time_start "${wine_start[@]}")")
done
linux_median=$(median "${linux_times[@]}")
wine_median=$(median "${wine_times[@]}")
echo "Linux (ms): ${linux_times[*]}"
echo "wine (ms): ${wine_times[*]}"
echo "median Linux ${linux_median} ms, wine ${wine_median} ms, ratio $(awk -v a="$wine_median" -v b="$linux_median" 'BEGIN {printf "%.1f", a / b}')"
