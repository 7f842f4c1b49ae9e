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
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
