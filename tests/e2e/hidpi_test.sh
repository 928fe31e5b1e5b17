#!/usr/bin/env bash
# Every screen at twice the pixels (QT_SCALE_FACTOR=2) and a font set to
# 144 dpi, on a large screen: each opens from the menu and leaves a
# screenshot in the artifacts (hidpi/*.png) to look at, the two charts with
# their examples typed in (catch-chart.png, nozzle-chart.png); the widget test
# ui_layout_test checks the same layouts for clipping and overlaps.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
E2E_SCREEN=3200x2400x24 e2e_start_x "$2/hidpi"
export QT_SCALE_FACTOR=2 QT_FONT_DPI=144
e2e_start_program "$PROGRAM"

menu=$(wait_window "Menu - Metric")
focus_window "$menu"
sleep 0.5
screenshot_window "$menu" 00-menu

# KEY TITLE NAME: KEY moves the menu to the entry that opens TITLE.
# The screen's window id stays in id for what follows.
shoot() {
    focus_window "$menu"
    keys "$1"
    id=$(wait_window "$2") || fail "no window titled '$2' appeared"
    sleep 0.3
    screenshot_window "$id" "$3"
}
# At start no entry is current: Home opens the first, Information.
shoot Home "Infomation - Metric" 09-info
shoot Down "Nozzle Uniformity Calculator - Metric" 01-nozzle-uniformity
# The catch chart at scale 2: a whole boom typed in, Calculate, then the
# size list (past "Reset") set to "03 blue" for the wear check.
focus_window "$id"
for value in 10 30 3 600 605 595 670 610 590 520 600 605 598 680 602 596 607 600 594 603 599; do
    type_text "$value"
    keys Tab
done
keys space Tab Tab Down Down Down Down Down
sleep 0.4
screenshot_window "$id" catch-chart
shoot Down "Speed Calculator - Metric" 02-speed
shoot Down "Area - Metric" 03-area
shoot Down "Calibration Rate - Metric" 04-rate
shoot Down "Sprayer Calibration Tank Mix - Metric" 05-tank-mix
shoot Down "Nozzle Selection - Metric" 07-nozzle-selection
# The nozzle chart at scale 2, for 1 l/min of water.
focus_window "$id"
for value in 200 6 50; do
    type_text "$value"
    keys Tab
done
keys space
sleep 0.4
screenshot_window "$id" nozzle-chart
shoot Down "Pressure Drop - Metric" 08-pressure-drop

# The menu window itself must have grown with the scale: at least twice the
# 683 x 457 pixels it has at scale 1.
read -r width height < <(xdotool getwindowgeometry "$menu" | awk '/Geometry/ { split($2, s, "x"); print s[1], s[2] }')
((width >= 2 * 683 && height >= 2 * 457)) || fail "the menu is ${width}x${height} at scale 2"

if grep -iE 'error|fatal' "$ARTIFACTS/program.log"; then fail "the program reported errors"; fi
close_all_windows
wait_exit 5
echo "e2e hidpi: passed"
