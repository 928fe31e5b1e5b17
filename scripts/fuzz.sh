#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 30; try 600 for a long run)
# New inputs found go to a scratch folder, never into the repository's seeds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build=${ZELK_FUZZ_BUILD_DIR:-$root/build-fuzz}
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZELK_FUZZ=ON -DZELK_BUILD_UI=OFF -DZELK_WERROR="${ZELK_WERROR:-OFF}" >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if ! cmake --build "$build" -j"$(nproc)" >"$scratch/build.log" 2>&1; then
    cat "$scratch/build.log" >&2
    echo "fuzz: build failed" >&2
    exit 1
fi
status=0
for target in "$build"/bin/fuzz_*; do
    name=$(basename "$target")
    seeds="$root/tests/fuzz/corpus/${name#fuzz_}"
    mkdir -p "$scratch/$name"
    if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$scratch/$name-" "$scratch/$name" "$seeds" >"$scratch/$name.log" 2>&1; then
        runs=$(grep -oE 'Done [0-9]+ runs' "$scratch/$name.log" | grep -oE '[0-9]+' || echo '?')
        echo "fuzz $name: $runs executions in ${seconds}s, no failure"
    else
        echo "fuzz $name: FAILED" >&2
        tail -n 40 "$scratch/$name.log" >&2
        status=1
    fi
done
exit $status
