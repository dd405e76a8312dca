#!/usr/bin/env bash
# Builds the native preset and runs every benchmark program with repetitions, reporting medians
# (the machine is shared and noisy: compare medians and ratios, not single runs), and ends with
# the summary table of the speed targets, every ratio computed within this run.
#   --wine          also runs the whole-redraw and the live-following benchmarks of the win64
#                   build under Wine
#   --simd PATHS    runs everything once per vector path, PATHS a comma-separated list of
#                   reference, sse2, avx2 (the values of LENZOR_SIMD) or "all"; without it each
#                   program takes the processor's best path
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
wine=0
paths=(automatic)
while [ $# -gt 0 ]; do
    case "$1" in
    --wine) wine=1 ;;
    --simd)
        [ $# -ge 2 ] || { echo "bench.sh: --simd needs a value" >&2; exit 2; }
        IFS=, read -r -a paths <<<"${2/all/reference,sse2,avx2}"
        shift ;;
    *) echo "usage: bench.sh [--wine] [--simd reference,sse2,avx2|all]" >&2; exit 2 ;;
    esac
    shift
done
for path in "${paths[@]}"; do
    case "$path" in
    automatic | reference | sse2 | avx2) ;;
    *) echo "bench.sh: unknown path '$path'" >&2; exit 2 ;;
    esac
done
bash scripts/build.sh native
if [ "$wine" = 1 ]; then
    bash scripts/build.sh win64
fi
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for path in "${paths[@]}"; do
    out="$results/$path"
    mkdir -p "$out"
    if [ "$path" = automatic ]; then
        unset LENZOR_SIMD
    else
        export LENZOR_SIMD=$path
        echo "==== LENZOR_SIMD=$path"
    fi
    for b in build/native/bench/*/*_bench; do
        name=$(basename "$b")
        echo "== $name"
        "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
             --benchmark_display_aggregates_only=true \
             --benchmark_out="$out/$name.json" --benchmark_out_format=json 2>/dev/null |
            grep -E '_median|^Benchmark|^-'
    done
    if [ "$wine" = 1 ]; then
        echo "== redraw_bench (Wine)"
        LENZOR_SCREEN=1280x1024x24 LENZOR_WINE_ROOT="$root/build/win64/wine" \
            scripts/wine-run.sh build/win64/bench/wine/redraw_bench.exe | tee "$out/redraw.txt"
        echo "== follow_bench (Wine)"
        LENZOR_SCREEN=1280x1024x24 LENZOR_WINE_ROOT="$root/build/win64/wine" \
            scripts/wine-run.sh build/win64/bench/wine/follow_bench.exe 3
    fi
done
for path in "${paths[@]}"; do
    echo
    echo "== summary, $path path ($(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs))"
    python3 scripts/bench_summary.py "$results/$path"
done
