#!/usr/bin/env bash
# Time from starting the program to its main window being on screen, in a real
# X server: startup_time.sh PROGRAM [RUNS]. Prints each run and the median in ms.
set -euo pipefail
program=$(realpath "$1")
runs=${2:-10}
if [ -z "${ROKAL_STARTUP_INNER:-}" ]; then
    export ROKAL_STARTUP_INNER=1
    unset QT_QPA_PLATFORM
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$program" 2>/dev/null &
    pid=$!
    until xdotool search --onlyvisible --name '^Rokal \(DBJ52/45-2018\)$' >/dev/null 2>&1; do
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    times+=($(((end - start) / 1000000)))
done
echo "runs (ms): ${times[*]}"
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print "median (ms): " a[int((NR+1)/2)]}'
