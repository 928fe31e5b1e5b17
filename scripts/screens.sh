#!/usr/bin/env bash
# Remakes docs/screens.png, the contact sheet of every screen at scale 1:
# the keyboard walk of the end-to-end tests types each worked example and
# leaves one screenshot per screen; ImageMagick's montage lays them out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZELK_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh" >/dev/null
"$root/scripts/build.sh" >/dev/null
shots="$build/e2e-artifacts/screens"
rm -rf "$shots"
bash "$root/tests/e2e/keyboard_test.sh" "$build/bin/zelk" "$shots"
cd "$shots/keyboard"
montage -geometry '+10+10' -gravity north -tile 4x \
    -background '#d9dde3' 0*.png -alpha off -depth 8 "$root/docs/screens.png"
echo "wrote docs/screens.png"
# Every window at once on a 1024 x 768 display, and the user guide.
bash "$root/tests/e2e/windows_test.sh" "$build/bin/zelk" "$shots"
convert "$shots/windows-1024x768/every-window-1024x768.png" -alpha off -depth 8 \
    "$root/docs/every-window.png"
convert "$shots/windows-1024x768/user-guide.png" -alpha off -depth 8 "$root/docs/user-guide.png"
echo "wrote docs/every-window.png and docs/user-guide.png"
