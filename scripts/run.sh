#!/usr/bin/env bash
# The README's run command: set-up, build of what it runs (win64: Lenzor.exe with its
# resources and the files beside it, and for the showcase the test host), then Lenzor.exe under
# Wine. The tests are left to scripts/test.sh.
# With $DISPLAY set it just runs Lenzor there. Without one it shows what Lenzor does on a private
# Xvfb: a page of small text and a photo on the screen, Lenzor started from a fresh copy of its
# folder with the lens on at fixed coordinates, the pointer on the text, a screenshot of the lens
# in each contrast mode and one of the settings dialog's first page, in build/run/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
targets=(Lenzor)
[ -n "${DISPLAY:-}" ] || targets+=(e2e_host)
started=$SECONDS
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target "${targets[@]}"
echo "run: built ${targets[*]} in $((SECONDS - started)) s"
build="$root/build/win64"
if [ -n "${DISPLAY:-}" ]; then
    export LENZOR_WINE_ROOT="$build/wine-run" LENZOR_KEEP_DISPLAY=1
    exec scripts/wine-run.sh "$build/app/Lenzor.exe" "$@"
fi

source scripts/lib/showcase.sh
showcase_init "$build"
screen_start "$sc_screen"
prefix_ready 96
out="$root/build/run"
rm -rf "$out"
mkdir -p "$out"
shoot_lenses "$out"
shoot_dialog "$out" English 1
echo "run: screenshots of Lenzor under Wine on a private display:"
for f in "$out"/*.png; do echo "  $f"; done
