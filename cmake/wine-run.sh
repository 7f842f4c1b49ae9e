#!/bin/sh
# Runs a Windows program under wine: wine-run.sh PROGRAM [ARGUMENTS...].
# WINEPREFIX, WINE64 and WINESERVER come from the caller (the cross toolchain);
# ROKAL_WINE_DLL_PATH, colon-separated folders, is where the program's DLLs are.
# Programs run without a display unless ROKAL_WINE_DISPLAY is set (the end-to-end
# tests in Xvfb).
#
# The prefix is made on first use, quietly, without a display and without the
# prompts for Mono and Gecko. The wine server and wine's background services are
# started apart from the caller's output and kept running for a few seconds after
# the last program, so that a run neither starts them itself nor waits for them
# to go away (CTest waits for every process that holds a test's output).
set -eu
: "${WINEPREFIX:?}" "${WINE64:?}" "${WINESERVER:?}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -n "${ROKAL_WINE_DISPLAY:-}" ] || unset DISPLAY
unset WAYLAND_DISPLAY
# Wine turns Windows file names and arguments into Unix ones in the Unix locale's
# character set: UTF-8, so that Chinese names pass, whatever the caller's locale.
# It also makes the Windows locale the same on every machine.
export LC_ALL=C.UTF-8
# Wine keeps the caller's QT_ variables (meant for Linux Qt programs) from Windows
# programs; given as WINEQT_..., they reach the program as QT_... Qt's offscreen
# platform, which the window tests use, reads its fonts from a folder rather than
# from Windows: the prefix's, where the Chinese font is.
export QT_QPA_FONTDIR='C:\windows\Fonts'
for variable in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$variable=\"\$$variable\""
done
if [ -n "${ROKAL_WINE_DLL_PATH:-}" ]; then
    WINEPATH=$(printf '%s' "$ROKAL_WINE_DLL_PATH" | sed 's|:|;Z:|g; s|^|Z:|; s|/|\\|g')
    export WINEPATH
fi

# A new prefix is Windows 10, as the program requires; its user folders are its
# own rather than links into the caller's home; and it has a Chinese font that
# Debian ships, standing in for the fonts a Chinese Windows desktop has.
set_up_prefix() {
    "$WINE64" cmd /c exit
    profile=$WINEPREFIX/drive_c/users/$(id -un)
    for link in "$profile"/*; do
        if [ -L "$link" ]; then
            rm "$link" && mkdir "$link"
        fi
    done
    for font in /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc \
        /usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc; do
        if [ -f "$font" ]; then
            ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
        fi
    done
    cat >"$WINEPREFIX/rokal.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine]
"Version"="win10"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Microsoft YaHei"="Noto Sans CJK SC"
"SimSun"="Noto Sans CJK SC"
REG
    "$WINE64" regedit /S 'Z:'"$(printf '%s' "$WINEPREFIX/rokal.reg" | sed 's|/|\\|g')"
    rm "$WINEPREFIX/rokal.reg"
    touch "$WINEPREFIX/.rokal-ready"
}

mkdir -p "$WINEPREFIX"
(
    # One caller at a time starts the server and makes the prefix. What they
    # start outlives this lock and must not hold it.
    flock 9
    if [ ! -f "$WINEPREFIX/.rokal-ready" ]; then
        set_up_prefix </dev/null >/dev/null 2>&1 9>&-
    elif "$WINESERVER" -p10 </dev/null >/dev/null 2>&1 9>&-; then
        "$WINE64" cmd /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
) 9>"$WINEPREFIX/.rokal-lock"
exec "$WINE64" "$@"
