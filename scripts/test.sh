#!/usr/bin/env bash
# The README's test command: set-up, build of all four presets and the fuzz targets, every test
# natively (plain and with ASan + UBSan) and under Wine, each fuzz target for 15 s from its
# corpus, one summary line, non-zero on any failure.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
start=$(date +%s)

bash scripts/setup.sh || { echo "setup failed"; exit 1; }

passed=0; failed=0; problems=()
note() { problems+=("$1"); }

if bash scripts/check-portable.sh; then passed=$((passed + 1)); else failed=$((failed + 1)); note "portability check"; fi

for p in native native-asan win64 win32 fuzz; do
    if ! bash scripts/build.sh "$p"; then
        echo "build of $p failed"; exit 1
    fi
done

run_ctest() {
    local preset=$1 log
    log=$(mktemp)
    ctest --preset "$preset" 2>&1 | tee "$log"
    local line
    line=$(grep -E '[0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        failed=$((failed + 1)); note "ctest $preset ran no tests"
    else
        local f t
        f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
        t=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
        passed=$((passed + t - f)); failed=$((failed + f))
        [ "$f" -gt 0 ] && note "ctest $preset: $f failed"
    fi
    rm -f "$log"
}
run_ctest native
run_ctest native-asan
run_ctest win64
run_ctest fuzz

echo
echo "Test run took $(( $(date +%s) - start )) s (win32 built, not run: no 32-bit execution here)."
for p in "${problems[@]}"; do echo "  FAILED: $p"; done
echo "summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
