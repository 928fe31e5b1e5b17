#!/usr/bin/env bash
# The dependency rule of the source folders: core <- kit <- screens, editor
# <- app. A folder includes only from itself and the folders to its left; no
# screen includes another screen. Prints each include that breaks the rule
# as file:line and fails when there is one.
# Usage: layers_test.sh SRC_DIR
set -uo pipefail
src=${1:?usage: layers_test.sh SRC_DIR}
cd "$src" || exit 2

allowed() {
    case $1 in
    core) echo "core" ;;
    kit) echo "core kit" ;;
    screens | editor) echo "core kit $1" ;;
    app) echo "core kit screens editor app" ;;
    *) echo "" ;;
    esac
}

broken=0
checked=0
while IFS= read -r -d '' file; do
    folder=${file%%/*}
    own="${file%.*}.h"
    line=0
    while IFS= read -r text; do
        line=$((line + 1))
        [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]] || continue
        target=${BASH_REMATCH[1]}
        checked=$((checked + 1))
        to=${target%%/*}
        reason=""
        if [[ $target != */* ]]; then
            reason="includes are written from src/ (\"folder/file.h\")"
        elif [[ " $(allowed "$folder") " != *" $to "* ]]; then
            reason="$folder/ may not include from $to/"
        elif [[ $folder == screens && $target == screens/*_screen.h && $target != "$own" ]]; then
            reason="a screen includes no other screen; app/ connects them"
        fi
        if [[ -n $reason ]]; then
            echo "$src/$file:$line: #include \"$target\": $reason"
            broken=$((broken + 1))
        fi
    done <"$file"
done < <(find core kit screens editor app -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

if ((checked == 0)); then
    echo "no includes found under $src: wrong folder?"
    exit 1
fi
if ((broken > 0)); then
    echo "$broken include(s) break the dependency rule"
    exit 1
fi
echo "layers: $checked includes follow the dependency rule"
