#!/bin/sh
# Runs a Windows program under wine: wine-run.sh PROGRAM [ARGUMENTS...].
# WINEPREFIX, WINE64 and WINESERVER come from the caller (the cross toolchain).
#
# The prefix is made on first use, quietly, without a display and without the
# prompts for Mono and Gecko. The wine server and wine's background services are
# started apart from the caller's output and kept running for a few seconds after
# the last program, so that a run neither starts them itself nor waits for them
# to go away (CTest waits for every process that holds a test's output).
set -eu
: "${WINEPREFIX:?}" "${WINE64:?}" "${WINESERVER:?}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
# Wine turns Windows file names and arguments into Unix ones in the Unix locale's
# character set: UTF-8, so that Chinese names pass, whatever the caller's locale.
# It also makes the Windows locale the same on every machine.
export LC_ALL=C.UTF-8

mkdir -p "$WINEPREFIX"
(
    # One caller at a time starts the server and makes the prefix. What they
    # start outlives this lock and must not hold it.
    flock 9
    if "$WINESERVER" -p10 </dev/null >/dev/null 2>&1 9>&- ||
        [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$WINE64" cmd /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
) 9>"$WINEPREFIX/.rokal-lock"
exec "$WINE64" "$@"
