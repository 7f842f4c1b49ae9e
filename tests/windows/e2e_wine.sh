#!/usr/bin/env bash
# Runs an end-to-end script of tests/e2e against the real rokal.exe under wine, in
# a wine prefix of its own: the script's X session shows the program's windows,
# and the program saves into the prefix's Documents folder.
#   e2e_wine.sh WINE_RUN WINEPREFIX SCRIPT PROGRAM ARGUMENTS...
# WINE_RUN is cmake/wine-run.sh; WINE64 and WINESERVER come from the caller.
set -euo pipefail
wine_run=$1 prefix=$2 script=$3
shift 3
export WINEPREFIX=$prefix ROKAL_WINE_DISPLAY=1
export ROKAL_E2E_LAUNCHER="sh $wine_run" ROKAL_E2E_WINDOWS_NAMES=1
# A Windows program under wine takes a click in more slowly than a Linux one.
export ROKAL_E2E_PAUSE=0.8
export ROKAL_E2E_DOCUMENTS=$prefix/drive_c/users/$(id -un)/Documents
# Saves of an earlier run would pass for this run's.
rm -f "$ROKAL_E2E_DOCUMENTS"/*.txt
status=0
bash "$script" "$@" || status=$?
# The wine server and its services belong to the X session that has ended.
"$WINESERVER" -k 2>/dev/null || true
exit "$status"
