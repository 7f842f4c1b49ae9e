#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time:
# fuzz.sh [seconds per target, default 30]. New inputs go to a scratch folder,
# never into the corpus kept in the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
CC=clang CXX=clang++ bash scripts/build.sh build-fuzz \
    -DROKAL_BUILD_UI=OFF -DROKAL_BUILD_BENCH=OFF -DROKAL_BUILD_TESTS=OFF -DROKAL_BUILD_FUZZ=ON
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in build-fuzz/fuzz/fuzz_*; do
    name=$(basename "$target")
    corpus=fuzz/corpus/${name#fuzz_}
    mkdir -p "$scratch/$name"
    echo "Fuzzing $name for ${seconds}s"
    if ! (cd "$scratch" && "$OLDPWD/$target" -max_total_time="$seconds" \
        "$scratch/$name" "$OLDPWD/$corpus" >"$scratch/$name.log" 2>&1); then
        tail -n 60 "$scratch/$name.log"
        echo "$name found a failing input (written to $scratch)" >&2
        trap - EXIT
        exit 1
    fi
    tail -n 1 "$scratch/$name.log"
done
