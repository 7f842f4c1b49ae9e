#!/usr/bin/env bash
# Builds everything and runs every test: the test suite (with the end-to-end test
# under Xvfb), the same suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# each fuzz target for a bounded time, and the Windows build's tests under wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

# The Windows libraries (Qt's build takes half an hour on a machine that has not
# built them yet) build at the lowest priority while the Linux builds and tests
# run, using the time a core would otherwise wait. The Windows step below waits
# for this build through its lock and reports any failure itself.
# It runs in a session of its own, so that it can be stopped whole when this command
# ends; where the kernel groups the processes of a session for scheduling, that
# group is given the lowest priority too.
mkdir -p build-win
setsid bash -c '{ echo 19 >/proc/self/autogroup; } 2>/dev/null
    exec nice -n 19 bash scripts/windows-libraries.sh' >build-win/libraries.log 2>&1 &
libraries=$!
trap 'kill -TERM -- "-$libraries" 2>/dev/null || true' EXIT

bash scripts/build.sh build
BUILD_TYPE=Debug bash scripts/build.sh build-asan -DROKAL_SANITIZE=ON -DROKAL_BUILD_BENCH=OFF
bash scripts/fuzz.sh "${ROKAL_FUZZ_SECONDS:-30}"

export QT_QPA_PLATFORM=offscreen
echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j2
echo "== tests"
ctest --test-dir build --output-on-failure -j2

# The whole program cross-built for Windows with mingw-w64 in build-win/, with
# its installer and zip; its tests run under wine.
echo "== tests of the Windows build under wine"
bash scripts/test-windows.sh
