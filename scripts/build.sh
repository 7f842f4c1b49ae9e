#!/usr/bin/env bash
# Configures and builds one build folder: build.sh DIR [extra cmake arguments].
# BUILD_TYPE picks the CMake build type, BUILD_TARGET one target instead of all.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$dir" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
