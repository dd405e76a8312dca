#!/usr/bin/env bash
# Regenerates docs/controls-96.png and docs/controls-144.png: the control gallery (the test form
# with every control kind of the settings dialog, win64 build) under Wine on a private Xvfb, once
# with the screen at 96 DPI and once at 144 DPI (LogPixels in a private Wine prefix). Ctrl+Tab
# turns the pages; the four pages are put together two by two.
#   bash docs/make_controls_png.sh [build folder, default build/win64]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(readlink -f "${1:-$root/build/win64}")
exe="$build/tests/ui/control_gallery.exe"
[ -f "$exe" ] || { echo "build the win64 preset first ($exe missing)"; exit 1; }
work=$(mktemp -d)
fdfile="$work/display"
Xvfb -displayfd 7 -screen 0 1280x1024x24 -nolisten tcp 7>"$fdfile" 2>/dev/null &
xvfb=$!
gallery=""
cleanup() {
    [ -n "$gallery" ] && kill "$gallery" 2>/dev/null
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '\n' < "$fdfile")"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64

shoot() {
    local dpi=$1 out=$2
    export WINEPREFIX="$work/prefix"
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -w
    wine "$exe" >/dev/null 2>&1 &
    gallery=$!
    local wid=""
    for _ in $(seq 200); do
        wid=$(xdotool search --name "Lenzor control gallery" 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || { echo "the gallery did not appear"; exit 1; }
    sleep 1.5
    for page in 0 1 2 3; do
        import -window "$wid" "$work/page$page.png"
        xdotool windowfocus "$wid" key ctrl+Tab
        sleep 0.7
    done
    convert \( "$work/page0.png" "$work/page1.png" -background '#808080' -splice 8x0 +append \) \
        \( "$work/page2.png" "$work/page3.png" -background '#808080' -splice 8x0 +append \) \
        -splice 0x8 -append -chop 8x8 "$out"
    kill "$gallery" 2>/dev/null || true
    wait "$gallery" 2>/dev/null || true
    gallery=""
    wineserver -k 2>/dev/null || true
    echo "$out written"
}

shoot 96 "$root/docs/controls-96.png"
shoot 144 "$root/docs/controls-144.png"
