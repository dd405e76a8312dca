#!/usr/bin/env bash
# Builds the libFuzzer targets (the `fuzz` preset: clang, ASan + UBSan) and runs each for the
# given number of seconds (default 60) from its seed corpus in tests/fuzz/corpus/<target>/.
# Inputs found on the way collect in build/fuzz/fuzz-work/<target>/corpus, crashers in
# .../crashes; a crasher belongs in the seed corpus once it is mended. Non-zero on any failure.
# `scripts/fuzz.sh 600 ini_file` runs one target.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-60}
shift || true

cmake --preset fuzz >/dev/null || exit 1
cmake --build --preset fuzz || exit 1

build=build/fuzz
targets=("$@")
[ ${#targets[@]} -gt 0 ] || mapfile -t targets < <(grep -v '^$' "$build/fuzz-targets.txt")

passed=0; failed=0
for t in "${targets[@]}"; do
    work="$build/fuzz-work/$t"
    mkdir -p "$work/corpus" "$work/crashes"
    echo "fuzz: $t for $seconds s"
    if "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/crashes/" "$work/corpus" \
        "tests/fuzz/corpus/$t" >"$work/last.log" 2>&1; then
        passed=$((passed + 1))
        grep -E '^stat::number_of_executed_units|^Done' "$work/last.log" | tr '\n' ' '; echo
    else
        failed=$((failed + 1))
        echo "fuzz: $t FAILED; see $work/last.log and $work/crashes/"
        grep -E 'ERROR|runtime error|fuzz property|Test unit written' "$work/last.log" | head -n 5
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
