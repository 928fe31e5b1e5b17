#!/usr/bin/env bash
# Start the program, open "Nozzle Pressure Drop" with the keyboard, calculate,
# close everything and check that the program ends by itself.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
e2e_start_x "$2/pressdrop"
e2e_start_program "$PROGRAM"

menu=$(wait_window "Menu - Metric")
focus_window "$menu"
sleep 0.5
screenshot_window "$menu" main-menu

# Home selects the first entry and each Down moves one entry on; every move
# opens the entry it lands on, and the new screen takes the focus, so the
# menu is brought back before each key.
focus_window "$menu"
keys Home
for _ in 1 2 3 4 5 6 7; do
    focus_window "$menu"
    keys Down
done
screen=$(wait_window "Pressure Drop - Metric")
focus_window "$screen"

# The cursor starts in the chart pressure; then chart flow, then actual catch.
type_text "3"
keys Tab
type_text "1.39"
keys Tab
type_text "1.2"
keys Tab space
sleep 0.5
screenshot_window "$screen" pressure-drop

if grep -iE 'error|fatal' "$ARTIFACTS/program.log"; then fail "the program reported errors"; fi

close_window "$menu"
wait_no_window "Menu - Metric"
# The screens stay open after the menu closes; the program ends with the last.
kill -0 "$PROGRAM_PID" || fail "the program ended while screens were still open"
close_all_windows
wait_exit 5
echo "e2e pressdrop: passed"
