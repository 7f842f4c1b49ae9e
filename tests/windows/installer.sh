#!/usr/bin/env bash
# The installer under wine, in a wine prefix of its own, without a display:
# installed silently for all users and for the current user, rokal.exe answers
# --version from where it was installed, the Start-menu entry, the uninstaller in
# Apps & features and the "Open with" entries for .csv and .xlsx are there, and the
# silent uninstall leaves none of it behind. On a Windows older than 10 the installer
# refuses and installs nothing.
#   installer.sh WINE_RUN WINEPREFIX INSTALLER
# WINE_RUN is cmake/wine-run.sh; WINE64 and WINESERVER come from the caller.
set -euo pipefail
wine_run=$1 installer=$3
export WINEPREFIX=$2
user=$(id -un)
drive=$WINEPREFIX/drive_c
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Rokal'
# The file types offered in "Open with": extension and the program's own type.
open_with=(".csv|Rokal.Schedule.csv" ".xlsx|Rokal.Schedule.xlsx")

wine_run() { sh "$wine_run" "$@"; }
fail() { echo "$*" >&2; exit 1; }
registry_has() {  # ROOT KEY [VALUE]
    wine_run reg query "$1\\$2" ${3:+/v "$3"} >/dev/null 2>&1
}

# mode, program folder, Start menu, registry root
cases=(
    "AllUsers|$drive/Program Files/Rokal|$drive/ProgramData/Microsoft/Windows/Start Menu/Programs|HKLM"
    "CurrentUser|$drive/users/$user/AppData/Local/Programs/Rokal|$drive/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs|HKCU"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r mode folder menu root <<<"$entry"
    shortcut="$menu/嵌岩桩计算 Rokal.lnk"

    wine_run "$installer" /S "/$mode" || fail "$mode: the installer failed with $?"
    [ -f "$folder/rokal.exe" ] || fail "$mode: rokal.exe is not in $folder"
    # A Windows program ends its lines with CR LF.
    version=$(wine_run "$folder/rokal.exe" --version | tr -d '\r') ||
        fail "$mode: rokal.exe --version failed"
    [ "$version" = "rokal 1.2.2022.1228" ] || fail "$mode: rokal.exe --version says '$version'"
    [ -f "$shortcut" ] || fail "$mode: no Start-menu entry $shortcut"
    registry_has "$root" "$uninstall_key" UninstallString || fail "$mode: not in Apps & features"
    for type in "${open_with[@]}"; do
        IFS='|' read -r ext progid <<<"$type"
        registry_has "$root" "Software\Classes\\$ext\OpenWithProgids" "$progid" ||
            fail "$mode: not offered to open $ext files"
        registry_has "$root" "Software\Classes\\$progid\shell\open\command" ||
            fail "$mode: $progid has no command"
        # "Open with" only: the default program of the files is left as it was.
        if wine_run reg query "$root\Software\Classes\\$ext" /ve 2>/dev/null | grep -q Rokal; then
            fail "$mode: the installer took over $ext files"
        fi
    done

    wine_run "$folder/uninstall.exe" /S "/$mode" || fail "$mode: the uninstaller failed with $?"
    # The uninstaller runs on from a copy of itself and returns at once.
    for _ in $(seq 60); do
        [ -e "$folder" ] || break
        sleep 1
    done
    if [ -e "$folder" ]; then
        fail "$mode: the uninstaller left $(find "$folder" | head -n 20)"
    fi
    [ ! -e "$shortcut" ] || fail "$mode: the Start-menu entry is still there"
    for key in "$uninstall_key" 'Software\Classes\Applications\rokal.exe'; do
        if registry_has "$root" "$key"; then
            fail "$mode: $root\\$key is still there"
        fi
    done
    for type in "${open_with[@]}"; do
        IFS='|' read -r ext progid <<<"$type"
        if registry_has "$root" "Software\Classes\\$progid"; then
            fail "$mode: $root\\Software\\Classes\\$progid is still there"
        fi
        if registry_has "$root" "Software\Classes\\$ext\OpenWithProgids" "$progid"; then
            fail "$mode: still offered to open $ext files"
        fi
    done
    echo "$mode: installed, answered and uninstalled"
done

# Windows 7, as wine reports it to the installer alone: refused, nothing installed.
old_windows="HKCU\\Software\\Wine\\AppDefaults\\$(basename "$installer")"
wine_run reg add "$old_windows" /v Version /d win7 /f >/dev/null
status=0
wine_run "$installer" /S /AllUsers || status=$?
wine_run reg delete "$old_windows" /f >/dev/null
[ "$status" -ne 0 ] || fail "the installer did not refuse Windows 7"
[ ! -e "$drive/Program Files/Rokal" ] || fail "the installer refused Windows 7 but installed"
echo "Windows 7: refused"
