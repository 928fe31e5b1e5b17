#!/usr/bin/env bash
# The program stores nothing behind the operator's back. A whole job runs
# with a fresh, empty HOME, XDG folders and working folder: every screen
# opened from the menu with the keyboard, entries typed and calculated, the
# licence, the report, Save As and Open through the file dialog, a custom
# colour added in the colour dialog, everything closed. Afterwards the only
# file anywhere under those folders is the report the operator saved, and
# nothing of the program's is left in the temporary folder either.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1") # the job runs in a folder of its own
e2e_start_x "$2/no_trace"

fresh=$(mktemp -d)
E2E_FRESH=$fresh
trap 'e2e_cleanup; rm -rf "$E2E_FRESH"' EXIT
folders=(home config cache data state runtime work)
for f in "${folders[@]}"; do mkdir -p "$fresh/$f"; done
chmod 700 "$fresh/runtime"
report="$fresh/work/report.txt"
temp_before=$(find "${TMPDIR:-/tmp}" -maxdepth 1 -name 'zelk-*' | sort)

# Only the program gets the fresh folders: the X server, the window manager
# and xdotool keep their own.
cd "$fresh/work"
HOME=$fresh/home XDG_CONFIG_HOME=$fresh/config XDG_CACHE_HOME=$fresh/cache \
    XDG_DATA_HOME=$fresh/data XDG_STATE_HOME=$fresh/state XDG_RUNTIME_DIR=$fresh/runtime \
    e2e_start_program "$PROGRAM"

menu=$(wait_window "Menu - Metric")
focus_window "$menu"
sleep 0.5

# open_next TITLE KEY: the key moves the menu's list to an entry, which opens.
open_next() {
    focus_window "$menu"
    keys "$2"
    wait_window "$1"
}

# No entry is current at start: the first Down opens the first entry.
screen=$(open_next "Infomation - Metric" Down)
focus_window "$screen"
type_text "Green Acres Turf"
# Closed, so the report carries the entry.
close_window "$screen"
wait_no_window "Infomation - Metric"

open_next "Nozzle Uniformity Calculator - Metric" Down >/dev/null

screen=$(open_next "Speed Calculator - Metric" Down)
focus_window "$screen"
type_text "50"
keys Tab
type_text "15"
keys Tab space
close_window "$screen"
wait_no_window "Speed Calculator - Metric"

open_next "Area - Metric" Down >/dev/null
open_next "Calibration Rate - Metric" Down >/dev/null

screen=$(open_next "Sprayer Calibration Tank Mix - Metric" Down)
focus_window "$screen"
type_text "500"
keys Tab
type_text "200"
keys Tab
type_text "2"
keys Tab space
# Reset, then Multiple Tank Mix.
keys Tab Tab space
wait_window "Multiple Tank Mixing - Metric" >/dev/null

open_next "Nozzle Selection - Metric" Down >/dev/null

screen=$(open_next "Pressure Drop - Metric" Down)
focus_window "$screen"
type_text "3"
keys Tab
type_text "1.39"
keys Tab
type_text "1.2"
keys Tab space

# The menu bar's License: Alt alone enters the menu bar on Help, then About, License.
focus_window "$menu"
keys alt Right Right Return
wait_window "End User License" >/dev/null

editor=$(open_next "Document - Text Editor" Down)
focus_window "$editor"
sleep 0.3

# Save As (File: New, Open, Save, Save As) and Open through the file dialog.
keys alt+f Down Down Down Return
dialog=$(wait_window "Save As")
focus_window "$dialog"
keys ctrl+a
type_text "$report"
keys Return
wait_window "$report- Text Editor" >/dev/null
# Alt+F now goes on to the Font menu (File and Font share the letter), so
# Open comes through Alt alone, which enters the menu bar on File.
keys alt Down Down Return
dialog=$(wait_window "Open")
focus_window "$dialog"
keys ctrl+a
type_text "$report"
keys Return
wait_window "$report - Text Editor" >/dev/null

# Font Color (the Font menu: Font Size, Font Color) with a custom colour
# added, which Qt's colour dialog may keep in the user's settings.
keys alt Right Right Right Down Down Return
dialog=$(wait_window "Color")
focus_window "$dialog"
keys alt+a Return
wait_no_window "Color"
screenshot "all-screens"

if grep -iE 'error|fatal' "$ARTIFACTS/program.log"; then fail "the program reported errors"; fi

close_all_windows
wait_exit 5

grep -q "Company Name - Green Acres Turf" "$report" || fail "the saved report lacks the entries"
created=$(cd "$fresh" && find . -mindepth 1 | sort)
expected=$(printf '%s\n' "${folders[@]/#/./}" ./work/report.txt | sort)
if [[ "$created" != "$expected" ]]; then
    diff <(echo "$expected") <(echo "$created") >&2 || true
    fail "the program left files besides the saved report"
fi
temp_after=$(find "${TMPDIR:-/tmp}" -maxdepth 1 -name 'zelk-*' | sort)
[[ "$temp_after" == "$temp_before" ]] || fail "the program left a folder in the temporary folder: $temp_after"
echo "e2e no trace: passed"
