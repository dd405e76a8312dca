#!/usr/bin/env bash
# Regenerates the README's pictures from the win64 build under Wine on a private Xvfb at 96 DPI:
# docs/lens-<mode>.png, the lens in each contrast mode over small text and a photo (the screen
# scripts/run.sh shows), docs/dialog-<language>.png, the settings dialog's five pages in each
# shipped language, and docs/advanced-<language>.png, the "Advanced options" page with the panels
# of the other modes. With a second argument the single pages are kept in that folder.
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
for language in English German Russian; do
    shoot_dialog "$pages" "$language" 5
    p="$pages/dialog-$language"
    convert \( "$p-1.png" "$p-2.png" "$p-3.png" -background '#808080' -splice 8x0 +append \) \
        \( "$p-4.png" "$p-5.png" -background '#808080' -splice 8x0 +append \) \
        -background '#808080' -splice 0x8 -append -chop 8x8 +repage \
        "$root/docs/dialog-$language.png"
    shoot_advanced "$pages" "$language"
    convert "$pages/advanced-$language-gamma-fixed.png" "$pages/advanced-$language-brokentv-corner.png" \
        -background '#808080' -splice 8x0 +append -chop 8x0 +repage \
        "$root/docs/advanced-$language.png"
done
echo "docs: lens-*.png, dialog-*.png and advanced-*.png written"
