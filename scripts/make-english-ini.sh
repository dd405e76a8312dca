#!/usr/bin/env bash
# Regenerates assets/Language/English.ini with the real program: Lenzor.exe (win64 build) under
# Wine, started with "-L -S" from a fresh folder without language files (so that the template
# holds the built-in texts, not those of a loaded English.ini), writes "Custom.ini" once its
# "Language Build" box is dismissed: first the frames' texts and the messages, then, in a second
# writing, the form's own. The second writing's [Form1] section marks the whole template. The
# native test language_files_test fails while the checked-in file differs from it.
#   bash scripts/make-english-ini.sh [build folder, default build/win64]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/showcase.sh"
showcase_init "${1:-$root/build/win64}"
screen_start 1024x768
prefix_ready 96
sc_without_languages=1
lenzor_start template "[Common]
FirstStart=0" - -L -S
custom="$work/template/Lenzor/Custom.ini"
complete() { [ -f "$custom" ] && grep -q '^\[Form1\]' "$custom"; }
# The box is Lenzor's visible window without a title. Without a window manager a key sent to
# it goes nowhere (Wine keeps the focus on the dialog), so its one button, centred 25 pixels
# above its bottom edge at 96 DPI, is clicked as a user would.
for _ in $(seq 300); do
    complete && break
    for wid in $(xdotool search --onlyvisible --classname lenzor.exe 2>/dev/null); do
        if [ -z "$(xdotool getwindowname "$wid" 2>/dev/null)" ]; then
            eval "$(xdotool getwindowgeometry --shell "$wid" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
            xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 25)) click 1 2>/dev/null || true
        fi
    done
    sleep 0.5
done
complete || { echo "Lenzor wrote no whole Custom.ini"; exit 1; }
# Each writing replaces the file in one step, so the copy is either writing, never a part.
cp "$custom" "$root/assets/Language/English.ini"
lenzor_stop
echo "assets/Language/English.ini regenerated"
