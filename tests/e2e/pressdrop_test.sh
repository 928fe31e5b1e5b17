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

# The list has the focus: Home selects the first entry, seven Downs reach
# "Nozzle Pressure Drop" (each move opens the entry it lands on).
keys Tab Home
for _ in 1 2 3 4 5 6 7; do keys Down; done
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
# The screen stays open after the menu closes; the program ends with it.
kill -0 "$PROGRAM_PID" || fail "the program ended while a screen was still open"
close_window "$screen"
wait_exit 5
echo "e2e pressdrop: passed"
