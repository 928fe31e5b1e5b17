#!/usr/bin/env bash
# Configures and builds into ${ZELK_BUILD_DIR:-build}.
# ZELK_WERROR=ON turns warnings into errors; ZELK_SANITIZE=ON builds with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZELK_BUILD_DIR:-$root/build}
# Let ccache share objects between clones of the repository.
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} \
    -DZELK_WERROR="${ZELK_WERROR:-OFF}" -DZELK_SANITIZE="${ZELK_SANITIZE:-OFF}" >/dev/null
cmake --build "$build" -j"$(nproc)"
