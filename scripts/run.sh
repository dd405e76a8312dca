#!/usr/bin/env bash
# The README's run command: set-up, build win64, start Lenzor.exe under Wine.
# With $DISPLAY set Lenzor appears there; without one it runs on a private Xvfb, and a
# screenshot of that screen, taken once the tray icon is up, is saved to build/run-screenshot.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh win64
exe="$root/build/win64/app/Lenzor.exe"
export LENZOR_WINE_ROOT="$root/build/win64/wine-run" LENZOR_KEEP_DISPLAY=1
if [ -n "${DISPLAY:-}" ]; then
    exec scripts/wine-run.sh "$exe" "$@"
fi
fdfile=$(mktemp)
Xvfb -displayfd 7 -screen 0 1280x800x24 -nolisten tcp 7>"$fdfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '\n' < "$fdfile")"
scripts/wine-run.sh "$exe" "$@" &
runner=$!
# The first start also creates the Wine prefix; wait until Lenzor's tray icon is up.
for _ in $(seq 120); do
    xdotool search --name "Wine System Tray" >/dev/null 2>&1 && break
    sleep 0.5
done
sleep 2
shot="$root/build/run-screenshot.png"
import -window root "$shot" && echo "run: screenshot of display $DISPLAY saved to $shot"
echo "run: Lenzor is running on Xvfb display $DISPLAY; press Ctrl+C to stop it."
wait "$runner"
