#!/usr/bin/env bash
# Cross-builds the plain-C++ parts (engine, report, schedule, rokal-cli) for
# 64-bit Windows with mingw-w64 in build-win/ and runs their tests under wine,
# in a wine prefix of the build folder's own, without a display. The small
# libraries cross-built by scripts/windows-libraries.sh are checked there too.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-win}
prefixes=$(ROKAL_WINDOWS_QT=0 bash scripts/windows-libraries.sh | paste -sd ';')

# The Linux build's optimisation without its debug information, which would make
# this build take half as long again.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DROKAL_WINDOWS_PREFIXES="$prefixes" \
    -DROKAL_BUILD_UI=OFF -DROKAL_BUILD_BENCH=OFF -DROKAL_BUILD_FUZZ=OFF >/dev/null
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j2
