#!/usr/bin/env bash
# scripts/soak.sh [minutes] [warm-up seconds]: the real Lenzor.exe under Wine on a private Xvfb
# with the lens on in broken TV mode (1000 x 1000, every 10 ms) while the dialog is opened and
# closed, the preview toggled and the language switched, round after round, for the given
# minutes (default 10) after the warm-up (default 60 s). Prints memory and GUI object counts at
# the start, after the warm-up and at the end (every sample in build/soak-samples.csv) and
# fails on growth, an error box, or a sample that measured nothing. Builds the win64 preset
# first.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
minutes=${1:-10}
warmup=${2:-60}

bash scripts/build.sh win64 >/dev/null || { echo "soak: build failed"; exit 1; }
build=build/win64
LENZOR_WINE_ROOT="$root/$build/wine" exec python3 tests/e2e/soak_e2e.py \
    --seconds $((minutes * 60)) --warmup "$warmup" --languages assets/Language \
    --csv build/soak-samples.csv --wine-run scripts/wine-run.sh \
    --host "$build/tests/e2e/e2e_host.exe" --lenzor "$build/app/Lenzor.exe"
