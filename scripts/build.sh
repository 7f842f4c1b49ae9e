#!/usr/bin/env bash
# Configures and builds one build folder: build.sh DIR [extra cmake arguments].
# BUILD_TYPE picks the CMake build type, BUILD_TARGET one target instead of all.
# Compiles go through ccache, with paths taken relative to the checkout, so that a
# second build of the same sources, in this checkout or another, reuses them.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
    export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
