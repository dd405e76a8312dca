#!/usr/bin/env bash
# The README's test command: set-up, the builds (win64, win32, and fuzz: the unit tests and the
# fuzz targets with clang, ASan and UBSan), every unit test natively sanitized and under Wine, the
# whole-program tests and a one-minute soak under Wine, each fuzz target for 15 s from its corpus,
# one summary line, non-zero on any failure.
#
# The Wine side (its tests, then the soak) runs in the background once win64 is built: it spends
# most of its time waiting on Wine and Xvfb, so the native build and tests run meanwhile. Its
# output is printed when it has finished.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
start=$(date +%s)

bash scripts/setup.sh || { echo "setup failed"; exit 1; }

passed=0; failed=0; problems=()
note() { problems+=("$1"); }

build() {
    bash scripts/build.sh "$1" || { echo "build of $1 failed"; exit 1; }
}

# Adds the counts of a finished ctest run from its log.
count_ctest() {
    local preset=$1 log=$2 line
    line=$(grep -E '[0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        failed=$((failed + 1)); note "ctest $preset ran no tests"
        return
    fi
    local f t
    f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    t=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + t - f)); failed=$((failed + f))
    [ "$f" -gt 0 ] && note "ctest $preset: $f failed"
}

run_ctest() {
    local preset=$1 log started=$SECONDS
    log=$(mktemp)
    ctest --preset "$preset" 2>&1 | tee "$log"
    echo "ctest $preset took $((SECONDS - started)) s"
    count_ctest "$preset" "$log"
    rm -f "$log"
}

if bash scripts/check-portable.sh; then passed=$((passed + 1)); else failed=$((failed + 1)); note "portability check"; fi

build win64
wine_log=$(mktemp); soak_status=$(mktemp)
# In a session of its own, so that a failed build below can stop it with everything it started
# (ctest, Wine, Xvfb) instead of leaving it running after the script has ended.
# The soak's short version: one minute of use after a 20-second warm-up.
setsid bash -c 'started=$SECONDS
    ctest --preset win64
    echo "ctest win64 took $((SECONDS - started)) s"
    bash scripts/soak.sh 1 20; echo $? > "$1"' wine-side "$soak_status" > "$wine_log" 2>&1 &
wine_side=$!
stop_wine_side() {
    if kill -0 "$wine_side" 2>/dev/null; then
        echo "stopping the Wine side"
        kill -TERM -- "-$wine_side" 2>/dev/null
        wait "$wine_side"
    fi
    rm -f "$wine_log" "$soak_status"
}
trap stop_wine_side EXIT

build win32
build fuzz
run_ctest fuzz

wait "$wine_side"
echo; echo "=== the Wine side"; cat "$wine_log"
count_ctest win64 "$wine_log"
if [ "$(cat "$soak_status")" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); note "soak"; fi

echo
echo "Test run took $(( $(date +%s) - start )) s (win32 built, not run: no 32-bit execution here)."
for p in "${problems[@]}"; do echo "  FAILED: $p"; done
echo "summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
