#!/usr/bin/env bash
# Every C++ source of the repository is as clang-format (the repository's
# .clang-format) would write it. Lists the files that are not.
# Usage: format_test.sh REPO_DIR
set -uo pipefail
repo=${1:?usage: format_test.sh REPO_DIR}
cd "$repo" || exit 2
mapfile -d '' files < <(find src tests bench -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
if ! clang-format --dry-run -Werror "${files[@]}"; then
    echo "run clang-format -i on the files above (or: ninja -C build format)"
    exit 1
fi
echo "format: ${#files[@]} files as clang-format writes them"
