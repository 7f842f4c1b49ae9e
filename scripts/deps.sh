#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Installs only what is missing, so it is safe to run again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev libqrencode-dev
    fonts-noto-cjk
    xvfb xauth xdotool x11-utils
    desktop-file-utils zbar-tools
    clang libclang-rt-14-dev
    dpkg-dev file locales ccache
    libcli11-dev nlohmann-json3-dev
    libminizip-dev zlib1g-dev libexpat1-dev libxlsxwriter-dev
    qt6-charts-dev libqt6opengl6-dev qt6-svg-dev qt6-translations-l10n
    poppler-utils lintian appstream man-db
    python3-fonttools
    libpugixml-dev python3-docx libreoffice-writer-nogui
    python3-openpyxl libreoffice-calc-nogui
    g++-mingw-w64-x86-64-posix wine64
    autoconf automake libtool nsis zip unzip
)

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

# The Windows build cross-compiles its libraries from Debian's source packages
# (scripts/windows-libraries.sh): apt needs a source entry for the same archive.
add_source_entries() {
    local list=/etc/apt/sources.list.d/debian.sources
    local entry=/etc/apt/sources.list.d/rokal-deb-src.sources
    if grep -qs '^Types:.*deb-src' /etc/apt/sources.list.d/*.sources ||
        grep -qs '^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list; then
        return 1
    fi
    if [ -f "$list" ]; then
        sed 's/^Types: deb$/Types: deb-src/' "$list" | "${sudo_cmd[@]}" tee "$entry" >/dev/null
    else
        grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
            sed 's/^deb /deb-src /' | "${sudo_cmd[@]}" tee "${entry%.sources}.list" >/dev/null
    fi
}
sources_added=0
add_source_entries && sources_added=1

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    [ "$sources_added" -eq 1 ] && "${sudo_cmd[@]}" apt-get update -qq
    exit 0
fi

echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
