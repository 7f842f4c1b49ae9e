# Sourced by the end-to-end scripts: reruns the calling script inside a fresh X
# server (xvfb-run) with a HOME of its own, so the program saves into an empty
# Documents folder and no setting of the machine's user reaches it. Inside that
# session (ROKAL_E2E_INNER set) it does nothing.
#   RunInFreshSession SCREEN SCRIPT ARGUMENTS...
RunInFreshSession() {
    [ -n "${ROKAL_E2E_INNER:-}" ] && return 0
    local screen=$1
    shift
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config ROKAL_E2E_INNER=1
    mkdir -p "$HOME"
    unset XDG_DOCUMENTS_DIR QT_QPA_PLATFORM
    xvfb-run -a -s "-screen 0 ${screen}x24" bash "$@"
    exit $?
}
