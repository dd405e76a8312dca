#!/usr/bin/env bash
# Regenerates assets/Language/English.ini with the real program: Lenzor.exe (win64 build) under
# Wine, started with "-L -S" from a fresh folder, writes "Custom.ini" once its "Language Build"
# box is dismissed; that file becomes the English template. The native test language_files_test
# fails while the checked-in file differs from what the program writes.
#   bash scripts/make-english-ini.sh [build folder, default build/win64]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/showcase.sh"
showcase_init "${1:-$root/build/win64}"
screen_start 1024x768
prefix_ready 96
lenzor_start template "[Common]
FirstStart=0" - -L -S
custom="$work/template/Lenzor/Custom.ini"
# The box is Lenzor's visible window without a title.
for _ in $(seq 300); do
    for wid in $(xdotool search --onlyvisible --classname lenzor.exe 2>/dev/null); do
        if [ -z "$(xdotool getwindowname "$wid")" ]; then
            xdotool windowfocus "$wid" key Return 2>/dev/null || true
        fi
    done
    [ -s "$custom" ] && break
    sleep 0.2
done
[ -s "$custom" ] || { echo "Lenzor wrote no Custom.ini"; exit 1; }
sleep 1  # the template is written in one go; let it finish
cp "$custom" "$root/assets/Language/English.ini"
lenzor_stop
echo "assets/Language/English.ini regenerated"
