#!/usr/bin/env bash
# Builds the native preset and runs every benchmark program with repetitions, reporting medians
# (the machine is shared and noisy: compare medians and ratios, not single runs), and ends with
# the summary table of the speed targets, every ratio computed within this run.
# With --wine it also runs the whole-redraw and the live-following benchmarks of the win64 build
# under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/build.sh native
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for b in build/native/bench/*/*_bench; do
    name=$(basename "$b")
    echo "== $name"
    "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
         --benchmark_display_aggregates_only=true \
         --benchmark_out="$results/$name.json" --benchmark_out_format=json 2>/dev/null |
        grep -E '_median|^Benchmark|^-'
done
if [ "${1:-}" = "--wine" ]; then
    bash scripts/build.sh win64
    echo "== redraw_bench (Wine)"
    LENZOR_SCREEN=1280x1024x24 LENZOR_WINE_ROOT="$root/build/win64/wine" \
        scripts/wine-run.sh build/win64/tests/e2e/redraw_bench.exe | tee "$results/redraw.txt"
    echo "== follow_bench (Wine)"
    LENZOR_SCREEN=1280x1024x24 LENZOR_WINE_ROOT="$root/build/win64/wine" \
        scripts/wine-run.sh build/win64/tests/e2e/follow_bench.exe 3
fi
echo
echo "== summary ($(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs))"
python3 scripts/bench_summary.py "$results"
