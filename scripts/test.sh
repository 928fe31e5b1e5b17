#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the core, the
# widget tests on the offscreen platform and the end-to-end tests under Xvfb.
# Extra arguments go to ctest (for example: -R numeric, -L ui).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZELK_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure --timeout 300 -j"$(nproc)" "$@"
