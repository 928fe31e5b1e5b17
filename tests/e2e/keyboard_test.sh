#!/usr/bin/env bash
# Keyboard only: every screen with entries is opened from the menu with the
# arrow keys, its worked example typed field by field with Tab in the
# screen's own focus order, and "Calculate" pressed with the space bar. An
# entry that lands in the wrong field leaves another one empty, which brings
# up an "Error" message, so the walk also proves the focus orders. Leaves one
# screenshot per screen (00-menu.png ... 09-info.png), the pictures of the
# contact sheet in docs/, and the two charts with their examples
# (catch-chart.png, nozzle-chart.png, nozzle-chart-density.png).
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
e2e_start_x "$2/keyboard"
e2e_start_program "$PROGRAM"

menu=$(wait_window "Menu - Metric")
focus_window "$menu"
sleep 0.5
screenshot_window "$menu" 00-menu

# fill VALUE...: types each value and Tabs on; "-" Tabs over a field.
fill() {
    local value
    for value in "$@"; do
        [[ "$value" != "-" ]] && type_text "$value"
        keys Tab
    done
}

# calculated NAME: the space bar goes to the focused button; no entry error
# comes up, and the screen and the program are still there.
calculated() {
    keys space
    sleep 0.4
    if xdotool search --onlyvisible --name '^Error$' >/dev/null 2>&1; then
        fail "$1: an entry was refused (a field was missed or took the wrong value)"
    fi
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "$1: the program ended"
    xdotool getwindowname "$SCREEN" >/dev/null 2>&1 || fail "$1: the screen is gone"
    screenshot_window "$SCREEN" "$1"
}

# next_entry KEY TITLE: KEY moves the menu's selection (each move opens the
# entry it lands on); the screen titled TITLE takes the focus and becomes
# SCREEN.
next_entry() {
    focus_window "$menu"
    keys "$1"
    SCREEN=$(wait_window "$2") || fail "no window titled '$2' appeared"
    focus_window "$SCREEN"
}

# Information, the first entry: at start no entry is current, so Home (as
# Down would) opens it. Every field in order, the notes last; it has nothing
# to calculate.
next_entry Home "Infomation - Metric"
fill "Example Turf Care" "12 Green Lane" - "Springfield" "OH" "44101" "555 0100" \
    "2026-04-01" "A. Operator" "L-2231" "Fairway Mix"
type_text "Calm, dry morning."
sleep 0.3
screenshot_window "$SCREEN" 09-info

# Nozzle uniformity: variation, time, pressure, nozzles 1 to 5; Tab over the
# thirteen empty nozzles to "Calculate".
next_entry Down "Nozzle Uniformity Calculator - Metric"
fill 10 30 3 500 520 480 450 560 - - - - - - - - - - - - -
calculated 01-nozzle-uniformity

# The chart with the wear check: back over the 18 nozzles with Shift+Tab
# (Tab into a field selects its text, so typing replaces it), a whole boom,
# then past "Reset" to the size list, Down five times to "03 blue", and
# back to "Calculate". Nozzles 4 and 11 come out worn, 7 to check.
keys $(printf 'shift+Tab %.0s' $(seq 18))
fill 600 605 595 670 610 590 520 600 605 598 680 602 596 607 600 594 603 599
keys Tab Tab Down Down Down Down Down shift+Tab shift+Tab
calculated catch-chart

next_entry Down "Speed Calculator - Metric"
fill 50 15
calculated 02-speed

# Area: the shape list takes Down (each step shows that shape); Trapezoid is
# the sixth, then its three entries.
next_entry Down "Area - Metric"
keys Down Down Down Down Down Down Tab
fill 10 20 5
calculated 03-area

# Rate: the cursor starts in the spacing, then "Calculate", then the flow
# and the speed (filled by the other screens, typed over here); back to
# "Calculate" with Shift+Tab.
next_entry Down "Calibration Rate - Metric"
type_text 50
keys Tab Tab
fill 1.5
type_text 7
keys shift+Tab shift+Tab
calculated 04-rate

# Tank mixing, then "Multiple Tank Mix" (two Tabs on) opens the split.
next_entry Down "Sprayer Calibration Tank Mix - Metric"
fill 1000 300 2
calculated 05-tank-mix
keys Tab Tab space
SCREEN=$(wait_window "Multiple Tank Mixing - Metric") || fail "Multiple Tank Mix did not open"
focus_window "$SCREEN"
fill 500
calculated 06-multiple-tank

next_entry Down "Nozzle Selection - Metric"
fill 200 6 50
calculated 07-nozzle-selection

# The chart for a denser liquid: past "Reset" to the density, 1.2, and Tab
# on, which redraws the chart (03 at 2.50 bar); then water again, 1 l/min.
keys Tab Tab
fill 1.2
sleep 0.3
screenshot_window "$SCREEN" nozzle-chart-density
keys shift+Tab
fill 1.0
sleep 0.3
screenshot_window "$SCREEN" nozzle-chart

next_entry Down "Pressure Drop - Metric"
fill 3 1.39 1.2
calculated 08-pressure-drop

if grep -iE 'error|fatal' "$ARTIFACTS/program.log"; then fail "the program reported errors"; fi

close_all_windows
wait_exit 5
echo "e2e keyboard: passed"
