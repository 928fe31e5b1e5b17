#!/usr/bin/env bash
# A job from start to saved report: travel speed from a timed run, "Print
# Report", Save As through the file dialog, everything closed; the file must
# hold exactly the report, with CR LF line breaks.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
e2e_start_x "$2/report"
saved="$ARTIFACTS/job-report" # typed without an extension: none may be added
rm -f "$saved"
e2e_start_program "$PROGRAM"

menu=$(wait_window "Menu - Metric")
focus_window "$menu"
sleep 0.5

# Typing a letter in the list moves to the first entry starting with it,
# which opens that entry.
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
type_text "$saved"
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
      Not Entered

  Nozzle Uniformity Screen Results
      Not Entered

  Results from Speed Calculator Screen

   Distance Traveled in Meters - 50
   Time in Seconds - 15
   km/h - 12

  Results from Rate Calculator Screen
      Not Entered

  Results from Calibration / Tank Mixing Screen
      Not Entered

  Results from Multiple Tank Mixing Screen
      Not Entered

  Results from Nozzle Selection Screen
      Not Entered

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
