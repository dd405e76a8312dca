#!/usr/bin/env bash
# Regenerates the README's pictures from the win64 build under Wine on a private Xvfb at 96 DPI:
# docs/lens-<mode>.png, the lens in each contrast mode over small text and a photo (the screen
# scripts/run.sh shows), docs/dialog-<language>.png, the settings dialog's six pages in each
# shipped language, and docs/advanced-<language>.png, the "Advanced options" page with the panels
# of the other modes, and docs/dialog-English-144.png, the six pages at 144 DPI. With a second
# argument the single pages are kept in that folder.
#   bash docs/make_docs_png.sh [build folder, default build/win64] [folder for single pages]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/showcase.sh"
showcase_init "${1:-$root/build/win64}"
pages=${2:-$work/pages}
mkdir -p "$pages"
screen_start "$sc_screen"
prefix_ready 96
shoot_lenses "$root/docs"
# The six pages PREFIX-1.png ... PREFIX-6.png in two rows, into OUT.
six_pages() {
    local p=$1 out=$2
    convert \( "$p-1.png" "$p-2.png" "$p-3.png" -background '#808080' -splice 8x0 +append \) \
        \( "$p-4.png" "$p-5.png" "$p-6.png" -background '#808080' -splice 8x0 +append \) \
        -background '#808080' -splice 0x8 -append -chop 8x8 +repage "$out"
}
for language in English German Russian; do
    shoot_dialog "$pages" "$language" 6
    six_pages "$pages/dialog-$language" "$root/docs/dialog-$language.png"
    shoot_advanced "$pages" "$language"
    convert "$pages/advanced-$language-gamma-fixed.png" "$pages/advanced-$language-brokentv-corner.png" \
        -background '#808080' -splice 8x0 +append -chop 8x0 +repage \
        "$root/docs/advanced-$language.png"
done
# The pages at 144 DPI (150 %), on a screen large enough for the scaled dialog.
wineserver -k 2>/dev/null || true
kill "$sc_xvfb" 2>/dev/null || true
screen_start 1280x800
prefix_ready 144
mkdir -p "$pages/144"
shoot_dialog "$pages/144" English 6
six_pages "$pages/144/dialog-English" "$root/docs/dialog-English-144.png"
echo "docs: lens-*.png, dialog-*.png (and dialog-English-144.png) and advanced-*.png written"
