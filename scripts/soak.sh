#!/usr/bin/env bash
# Long random walks of the whole program, beyond the 20,000 actions of the
# test suite; not part of CI. Prints each seed's result and its slowest
# actions, and exits non-zero when a walk fails or hangs.
# Usage: scripts/soak.sh [SEEDS] [ACTIONS]
#   SEEDS: comma-separated (default: three fresh random seeds)
#   ACTIONS: per walk (default 100000)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZELK_BUILD_DIR:-$root/build}
actions=${2:-100000}
if [[ -n "${1:-}" ]]; then
    IFS=, read -r -a seeds <<<"$1"
else
    seeds=()
    for _ in 1 2 3; do seeds+=("$(od -An -N8 -tu8 /dev/urandom | tr -d ' ')"); done
fi
"$root/scripts/build.sh" >/dev/null || exit 1
export QT_QPA_PLATFORM=offscreen
status=0
for seed in "${seeds[@]}"; do
    log=$(mktemp)
    if ZELK_MONKEY_SEED=$seed ZELK_MONKEY_ACTIONS=$actions "$build/bin/ui_monkey_test" >"$log" 2>&1; then
        echo "seed $seed: clean, $(grep -oE 'actions \(.*\) in [0-9]+ ms, slowest [0-9]+ ms \(.*\)' "$log" | head -n 1)"
    else
        echo "seed $seed: FAILED"
        grep -E 'HANG|FAIL|Loc:' "$log" | head -n 5
        status=1
    fi
    grep -oE 'slowest actions: .*' "$log" | head -n 1
    rm -f "$log"
done
exit $status
