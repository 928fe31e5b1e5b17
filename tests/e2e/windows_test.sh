#!/usr/bin/env bash
# Every window at once: each of the nine functions opened from the menu by
# keyboard, Multiple Tank Mix, the licence, the user guide by F1 from the
# editor and an entry's error message, all open together; each window, frame
# included, must lie wholly on the screen, and the windows opened from the
# menu must not start on one spot. E2E_SCREEN sets the display (1024x768x24
# when unset). Leaves every-window-WxH.png and the guide's own picture.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
export E2E_SCREEN=${E2E_SCREEN:-1024x768x24}
size=${E2E_SCREEN%x*}
screen_width=${size%x*}
screen_height=${size#*x}
e2e_start_x "$2/windows-$size"
e2e_start_program "$PROGRAM"

menu=$(wait_window "Menu - Metric")
focus_window "$menu"
sleep 0.5

# outer_box ID: "x y width height" of the window with its frame: the
# client's place on the screen (xwininfo) grown by the frame's extents.
outer_box() {
    local id=$1 info x y width height extents left=0 right=0 top=0 bottom=0
    info=$(xwininfo -id "$id")
    x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    width=$(sed -n 's/^ *Width: *//p' <<<"$info")
    height=$(sed -n 's/^ *Height: *//p' <<<"$info")
    extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    if [[ -n "$extents" ]]; then
        IFS=, read -r left right top bottom <<<"$extents"
    fi
    echo "$((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))"
}

# open_entry KEY TITLE: KEY on the menu opens the entry titled TITLE.
open_entry() {
    focus_window "$menu"
    keys "$1"
    wait_window "$2" >/dev/null
}

titles=("Menu - Metric")
open_entry Home "Infomation - Metric"
titles+=("Infomation - Metric")
for title in "Nozzle Uniformity Calculator - Metric" "Speed Calculator - Metric" "Area - Metric" \
    "Calibration Rate - Metric" "Sprayer Calibration Tank Mix - Metric"; do
    open_entry Down "$title"
    titles+=("$title")
done

# Multiple Tank Mix from the tank mixing screen: three entries, then the button.
tank=$(wait_window "Sprayer Calibration Tank Mix - Metric")
focus_window "$tank"
type_text 1000
keys Tab
type_text 300
keys Tab
type_text 2
keys Tab Tab Tab space
wait_window "Multiple Tank Mixing - Metric" >/dev/null
titles+=("Multiple Tank Mixing - Metric")

for title in "Nozzle Selection - Metric" "Pressure Drop - Metric"; do
    open_entry Down "$title"
    titles+=("$title")
done
open_entry Down "Document - Text Editor"
titles+=("Document - Text Editor")

# The licence from the menu bar: Alt enters it on Help, then About, License.
focus_window "$menu"
keys alt Right Right Return
wait_window "End User License" >/dev/null
titles+=("End User License")

# F1 from the editor opens the guide; F1 again only brings it to the front.
focus_window "$(wait_window "Document - Text Editor")"
keys F1
guide=$(wait_window "User Guide")
titles+=("User Guide")
focus_window "$(wait_window "Document - Text Editor")"
keys F1
sleep 0.3
[[ $(xdotool search --onlyvisible --name '^User Guide$' | wc -l) -eq 1 ]] ||
    fail "a second F1 opened a second guide"
screenshot_window "$guide" user-guide

# An entry's message: Enter on the empty speed screen asks for the distance.
focus_window "$(wait_window "Speed Calculator - Metric")"
keys Return
message=$(wait_window "Error")
titles+=("Error")
# Windows uncovered by the ones opened later repaint first.
sleep 4
screenshot "every-window-$size"

# Every window inside the screen; windows opened from the menu on distinct spots.
declare -A starts=()
distinct=0
for title in "${titles[@]}"; do
    id=$(wait_window "$title")
    read -r x y width height <<<"$(outer_box "$id")"
    echo "$title: $x,$y ${width}x$height"
    if ((x < 0 || y < 0 || x + width > screen_width || y + height > screen_height)); then
        fail "'$title' at $x,$y ${width}x$height is not wholly on the ${size} screen"
    fi
    if [[ $title != "Menu - Metric" && $title != "Error" && -z "${starts["$x,$y"]:-}" ]]; then
        starts["$x,$y"]=$title
        distinct=$((distinct + 1))
    fi
done
# The cascade has at least as many places as fit below the menu's top.
((distinct >= 4)) || fail "the windows opened on only $distinct spots"

# The message's title is whole: its window is at least as wide as the title
# needs in the window manager's bar, which openbox draws with room to spare.
read -r _ _ message_width _ <<<"$(outer_box "$message")"
((message_width >= 150)) || fail "the message is only $message_width px wide"

focus_window "$message"
keys Escape
wait_no_window "Error"

if grep -iE 'error|fatal' "$ARTIFACTS/program.log"; then fail "the program reported errors"; fi
# The editor holds the unsaved report: No to saving it, then the rest.
close_window "$(wait_window "Document - Text Editor")"
focus_window "$(wait_window "Editor")"
keys alt+n
wait_no_window "Document - Text Editor"
close_all_windows
wait_exit 10
echo "e2e windows ($size): passed"
