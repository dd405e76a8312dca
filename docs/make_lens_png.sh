#!/usr/bin/env bash
# Regenerates docs/lens.png, the README's picture of the running lens: Lenzor.exe (win64 build)
# under Wine on a private Xvfb, started by the whole-program tests' host showing a page of
# small text; the hot key switches the lens on while the pointer rests on the text. The lens
# stands in the "Fixed" position mode (set by the "Lenzor.ini" of a fresh copy of the program):
# without a compositor a lens beside the pointer would show itself in its own picture.
#   bash docs/make_lens_png.sh [build folder, default build/win64]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(readlink -f "${1:-$root/build/win64}")
work=$(mktemp -d)
fdfile="$work/display"
Xvfb -displayfd 7 -screen 0 800x480x24 -nolisten tcp 7>"$fdfile" 2>/dev/null &
xvfb=$!
runner=""
cleanup() {
    [ -n "$runner" ] && kill -TERM -- "-$runner" 2>/dev/null && sleep 2
    kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '\n' < "$fdfile")"

text="Lenzor is a screen magnifier for Windows: an icon in the notification area, a global hot
key, and a small always-on-top lens that shows the screen around the pointer enlarged,
optionally through a contrast filter. While shown, the lens copies a rectangle of the screen
around the mouse pointer, pointer image included, enlarges it by a zoom factor and paints it,
ten times a second. Between redraws it only follows the pointer. It can sit centred under the
pointer and let clicks through, track the pointer from a corner, stay at fixed coordinates, or
stay there and jump aside when the pointer enters it. Small print becomes readable: 0123456789."
convert -size 800x480 xc:white -font DejaVu-Sans -pointsize 10 -fill '#202020' \
    -annotate +24+70 "$text" -annotate +24+190 "$text" -annotate +24+310 "$text" \
    -fill '#3060c0' -draw 'rectangle 24,410 776,440' BMP3:"$work/page.bmp"

mkdir "$work/Lenzor"
cp "$build/app/Lenzor.exe" "$work/Lenzor/"
printf '[Common]\r\nFirstStart=0\r\nHotKeyShowGlass=49223\r\n[MouseControl]\r\nLenzor.PositionMode=3\r\n' \
    > "$work/Lenzor/Lenzor.ini"

export LENZOR_KEEP_DISPLAY=1 LENZOR_WINE_ROOT="$build/wine-docs"
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
setsid "$root/scripts/wine-run.sh" "$build/tests/e2e/e2e_host.exe" \
    "$(winpath "$work/Lenzor/Lenzor.exe")" "$(winpath "$work/ready")" "$(winpath "$work/stop")" \
    "$(winpath "$work/page.bmp")" >/dev/null 2>&1 &
runner=$!
for _ in $(seq 400); do [ -f "$work/ready" ] && break; sleep 0.1; done
xdotool mousemove 420 345 sleep 0.3 key ctrl+alt+g sleep 2
import -window root "$root/docs/lens.png"
touch "$work/stop"
wait "$runner" || true
runner=""
echo "docs/lens.png written"
