#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "${ZELK_BUILD_DIR:-$root/build}/bin/zelk"
