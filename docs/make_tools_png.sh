#!/usr/bin/env bash
# Pictures of the pixel tools for the README, from the win64 build under Wine on a private Xvfb
# at 96 DPI: docs/lens-readout-grid.png, the real Lenzor.exe's fixed lens at zoom 8 with the
# colour readout and the pixel grid over small text, and docs/lens-clipboard.png, a screenshot
# of that lens (left) beside the bitmap its copy key (Ctrl+Alt+C here) put on the clipboard,
# read back from there by the test host (right).
#   bash docs/make_tools_png.sh [build folder, default build/win64]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/showcase.sh"
showcase_init "${1:-$root/build/win64}"
screen_start "$sc_screen"
prefix_ready 96
desktop_picture "$work/desktop.bmp" "${sc_screen%x*}" "${sc_screen#*x}"
lens_left=560
lens_top=30
# The pointer where the hill meets the sky in the photo.
pointer=(176 303)

lenzor_start tools "[Common]
FirstStart=0
ShowAfterStart=1
HotKeyCopy=49219
[MouseControl]
Lenzor.PositionMode=3
Lenzor.LeftFixed=$lens_left
Lenzor.TopFixed=$lens_top
Lenzor.Width=380
Lenzor.Height=300
Lenzor.ZoomFactor=8
Lenzor.ShowColor=1
Lenzor.PixelGrid=1" "$work/desktop.bmp"
xdotool mousemove "${pointer[@]}"
sleep 2.5
import -window root "$work/tools.png"
cp "$work/tools.png" "$root/docs/lens-readout-grid.png"

# The copy key, then the clipboard's CF_DIB as the host reads it, made a BMP file.
xdotool key ctrl+alt+c
touch "$work/tools/query-clipboard"
for _ in $(seq 300); do [ -f "$work/tools/answer-clipboard" ] && break; sleep 0.1; done
[ -s "$work/tools/answer-clipboard-dib" ] || { echo "the lens's copy did not reach the clipboard"; exit 1; }
python3 - "$work/tools/answer-clipboard-dib" "$work/clipboard.bmp" <<'PY'
import struct, sys
dib = open(sys.argv[1], 'rb').read()
header = struct.pack('<2sIHHI', b'BM', 14 + len(dib), 0, 0, 14 + 40)
open(sys.argv[2], 'wb').write(header + dib)
PY
lenzor_stop
convert "$work/tools.png" -crop "380x300+$lens_left+$lens_top" +repage "$work/lens.png"
convert -background '#808080' -fill white -font DejaVu-Sans -pointsize 13 \
    \( "$work/lens.png" -gravity north -splice 0x24 -annotate +0+4 'the lens on screen' \) \
    \( "$work/clipboard.bmp" -gravity north -splice 0x24 -annotate +0+4 'CF_DIB on the clipboard' \) \
    -gravity northwest -splice 12x0 +append -chop 12x0 +repage "$root/docs/lens-clipboard.png"
echo "docs: lens-readout-grid.png and lens-clipboard.png written"
