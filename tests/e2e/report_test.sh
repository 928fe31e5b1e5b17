#!/usr/bin/env bash
# A job from start to saved report by keyboard: the company on the
# information screen (Home opens it: no entry is current at start), travel
# speed from a timed run, the tank mix split over tank loads, nozzle
# selection, "Print Report", Save As through the file dialog, everything
# closed; the file must hold exactly the report, in millilitres, litres, L/ha
# and km/h, with CR LF line breaks.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
e2e_start_x "$2/report"
typed="$ARTIFACTS/job-report" # typed without an extension under "Text Files"
saved="$typed.txt"
rm -f "$typed" "$saved"
e2e_start_program "$PROGRAM"

menu=$(wait_window "Menu - Metric")
focus_window "$menu"
sleep 0.5

keys Home
info=$(wait_window "Infomation - Metric")
focus_window "$info"
type_text "Example Turf Care"
close_window "$info"
wait_no_window "Infomation - Metric"

# Typing a letter in the list moves to the first entry starting with it,
# which opens that entry.
focus_window "$menu"
keys s
speed=$(wait_window "Speed Calculator - Metric")
focus_window "$speed"
type_text "50"
keys Tab
type_text "15"
keys Tab space
sleep 0.3
screenshot_window "$speed" speed
close_window "$speed"
wait_no_window "Speed Calculator - Metric"

# Tank mix: product rate, sprayer rate, area, Calculate; then Multiple Tank
# Mix, a 120 litre tank and Solve.
focus_window "$menu"
keys t
mix=$(wait_window "Sprayer Calibration Tank Mix - Metric")
focus_window "$mix"
type_text "2000"
keys Tab
type_text "100"
keys Tab
type_text "3"
keys Tab space Tab Tab space
multi=$(wait_window "Multiple Tank Mixing - Metric")
focus_window "$multi"
type_text "120"
keys Tab space
sleep 0.3
screenshot_window "$multi" multiple-tank
close_window "$multi"
wait_no_window "Multiple Tank Mixing - Metric"
close_window "$mix"
wait_no_window "Sprayer Calibration Tank Mix - Metric"

# Nozzle selection: the second entry starting with "s".
focus_window "$menu"
keys s
selection=$(wait_window "Nozzle Selection - Metric")
focus_window "$selection"
type_text "100"
keys Tab
type_text "12"
keys Tab
type_text "50"
keys Tab space
sleep 0.3
close_window "$selection"
wait_no_window "Nozzle Selection - Metric"

focus_window "$menu"
keys p
editor=$(wait_window "Document - Text Editor")
focus_window "$editor"
sleep 0.3
screenshot_window "$editor" editor-with-report

# Save As has no access key: open File with Alt+F and go down to it
# (New, Open, Save, Save As).
keys alt+f Down Down Down Return
dialog=$(wait_window "Save As")
focus_window "$dialog"
keys ctrl+a
type_text "$typed"
keys Return
wait_window "$saved- Text Editor" >/dev/null

if grep -iE 'error|fatal' "$ARTIFACTS/program.log"; then fail "the program reported errors"; fi

close_all_windows
wait_exit 5

[[ -f "$saved" ]] || fail "no file was saved at $saved"
expected="$ARTIFACTS/expected-report"
{
    sed 's/$/\r/' <<'REPORT'
  Company Information
   Company Name - Example Turf Care

  Nozzle Uniformity Screen Results
      Not Entered

  Results from Speed Calculator Screen

   Distance Traveled in Meters - 50
   Time in Seconds - 15
   km/h - 12

  Results from Rate Calculator Screen
      Not Entered

  Results from Calibration / Tank Mixing Screen

   Product Label Rate (Millileters per hectar) - 2000 Millileters
   Actual Sprayer Calibration rate (Liters per Hectar) - 100 Liters
   Area to be Sprayed (in Hectars) - 3 Hectars
   Millileters of Product per Liter of water - 20 Milliliters
   Total Water Required - 300 Liters
   Total Product Required (In Millileters) - 6000 Milliliters
   Total Product Required (In Liters) - 6 Liters

  Results from Multiple Tank Mixing Screen

   Tank 1 to 2
   Sprayer Tank Capacity - 120 Liters
   Total Water required - 300 Liters
   Total Water per Tank - 120 Liters
   Milliliters per Liter - 20 Milliliters
   Milliliters of Product per Tank - 2400 Milliliters
   Liters of Product per Tank - 2.4 Liters

   Tank 3
   Total Water per Tank - 60 Liters
   Milliliters per Liter - 20 Milliliters
   Milliliters of Product per Tank - 1200 Milliliters
   Liters of Product per Tank - 1.2 Liters

  Results from Nozzle Selection Screen

   Desired Application Rate (Liters per Hectar) - 100 L/ha
   Application Speed - 12 km/h
   Nozzle Spacing - 50 Centimeters
   Liters per Minute (Per Nozzle) - 1 l/min
   Maximum Liters per Minute (Per Nozzle) - 1.05 l/min
   Minimum Liters per Minute (Per Nozzle) - 0.95 l/min

  Notes from Information Screen
      Not Entered
REPORT
    # The one CR LF written after the document's text.
    printf '\r\n'
} >"$expected"
if ! cmp "$expected" "$saved"; then
    diff <(od -c "$expected") <(od -c "$saved") | head -20 >&2 || true
    fail "the saved report differs from the expected bytes"
fi
echo "e2e report: passed"
