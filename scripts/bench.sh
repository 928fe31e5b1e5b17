#!/usr/bin/env bash
# Builds the benchmarks optimised (into ${ZELK_BENCH_BUILD_DIR:-build-bench})
# and runs them in Xvfb with a window manager, as the end-to-end tests run
# the program. Prints the machine, the date and one Markdown table: each
# figure of ours beside its baseline from the same run, medians of REPEATS
# runs (default 11). Exits 3 when a target is missed.
# Usage: scripts/bench.sh [REPEATS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
repeats=${1:-11}
build=${ZELK_BENCH_BUILD_DIR:-$root/build-bench}
"$root/scripts/setup.sh" >/dev/null
ZELK_BUILD_DIR="$build" CMAKE_BUILD_TYPE=Release "$root/scripts/build.sh" >/dev/null

source "$root/tests/e2e/lib.sh"
e2e_start_x "$(mktemp -d)"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
memory=$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)
qt=$(dpkg-query -W -f='${Version}' libqt6widgets6 2>/dev/null || echo unknown)
echo "Machine: $cpu, $(nproc) cores, $memory; $(. /etc/os-release && echo "$PRETTY_NAME"), Qt $qt"
echo "Display: Xvfb with openbox, QT_QPA_PLATFORM=xcb; build: Release"
echo "Date: $(date -u '+%Y-%m-%d %H:%M UTC'); medians of $repeats runs"
echo
"$build/bin/zelk_bench" "$build/bin" "$repeats"
