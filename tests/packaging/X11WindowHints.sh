#!/usr/bin/env bash
# Starts the real program in an X server and checks what the desktop learns from
# its windows: the main window's class is the StartupWMClass of the desktop entry,
# and the About window asks the window manager for no minimise or maximise.
#   X11WindowHints.sh PROGRAM DESKTOP_ENTRY
set -euo pipefail
program=$(realpath "$1")
entry=$(realpath "$2")

if [ -z "${ROKAL_X11_INNER:-}" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export HOME=$work ROKAL_X11_INNER=1
    unset QT_QPA_PLATFORM
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

fail() { echo "$*" >&2; exit 1; }

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Rokal \(DBJ52/45-2018\)$' | head -n 1)

# WM_CLASS is "instance", "class"; the desktop matches the class.
class=$(xprop -id "$main" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$class" ] || fail "the main window has no WM_CLASS"
[ "$class" = "$wanted" ] || fail "window class $class, desktop entry StartupWMClass=$wanted"

# "©" at the top right of the window opens the About window.
xdotool mousemove --window "$main" 306 16 click 1
about=$(timeout 20 xdotool search --sync --onlyvisible --name '^关于$' | head -n 1)
read -r flags functions decorations < <(xprop -id "$about" _MOTIF_WM_HINTS |
    sed -n 's/^_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = \([^,]*\), \([^,]*\), \([^,]*\),.*/\1 \2 \3/p')
[ -n "${flags:-}" ] || fail "the About window sets no _MOTIF_WM_HINTS"
# Bits of the hints: flags 1 functions, 2 decorations; functions 1 all,
# 8 minimise, 16 maximise; decorations 1 all, 32 minimise, 64 maximise.
(( flags & 1 && flags & 2 )) || fail "the About window states not both functions and decorations: $flags"
(( !(functions & (1 | 8 | 16)) )) || fail "the About window allows minimise or maximise: $functions"
(( !(decorations & (1 | 32 | 64)) )) || fail "the About window asks for minimise or maximise buttons: $decorations"
echo "main window class $class; About window hints $flags $functions $decorations"
