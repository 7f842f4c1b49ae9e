#!/usr/bin/env bash
# Builds Rokal for 64-bit Windows in build-win/ (or the folder given): the
# libraries it needs (once per machine, scripts/windows-libraries.sh), the
# program, rokal-cli, their tests, and the installer and portable zip in
# build-win/packages/. Prints the packages' paths.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-win}
bash scripts/deps.sh

prefixes=$(bash scripts/windows-libraries.sh | paste -sd ';')
# The icon painter runs on the build machine: it comes from the Linux build.
BUILD_TARGET=rokal_make_icons bash scripts/build.sh build >/dev/null

launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# The Linux build's optimisation without its debug information, which would make
# this build take half as long again.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DROKAL_WINDOWS_PREFIXES="$prefixes" -DROKAL_XLSX=ON \
    -DROKAL_HOST_MAKE_ICONS="$PWD/build/packaging/rokal_make_icons" \
    -DROKAL_BUILD_BENCH=OFF -DROKAL_BUILD_FUZZ=OFF "${launcher[@]}" >/dev/null
cmake --build "$dir"
ls -1 "$(cd "$dir" && pwd)"/packages/Rokal-*
