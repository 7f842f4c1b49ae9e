#!/usr/bin/env bash
# Builds Rokal for 64-bit Windows in build-win/ (scripts/build-windows.sh) and runs
# its tests under wine, in wine prefixes of the build folder's own: the test
# programs (the window tests on Qt's offscreen platform), the end-to-end scripts
# against the real rokal.exe in Xvfb, and the installer's silent install and
# uninstall.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-win}
bash scripts/build-windows.sh "$dir"
ctest --test-dir "$dir" --output-on-failure -j2
