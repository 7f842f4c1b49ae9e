#!/usr/bin/env bash
# Builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
BUILD_TARGET=rokal bash scripts/build.sh build
exec build/rokal "$@"
