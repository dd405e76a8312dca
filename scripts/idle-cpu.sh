#!/usr/bin/env bash
# idle-cpu.sh [SECONDS] [LENZOR.exe] [BARE.exe]
# Idle cost of Lenzor.exe (lens hidden, no dialog) against a bare Win32 program with a 10 ms
# timer (bench/wine/bare_timer_win.cpp): each runs alone under Wine on one private Xvfb, in a
# fresh prefix, and after a settling time the CPU time (user + system) of the program and of
# its wineserver is taken over SECONDS (default 30). Prints both and their ratio. Builds the
# win64 targets first unless both programs are given.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-30}
lenzor=${2:-build/win64/app/Lenzor.exe}
bare=${3:-build/win64/bench/wine/bare_timer.exe}
settle=${LENZOR_IDLE_SETTLE:-8}
if [ $# -lt 3 ]; then
    bash scripts/build.sh win64 >/dev/null
fi
export LENZOR_WINE_ROOT=${LENZOR_WINE_ROOT:-$root/build/win64/wine}
ticks=$(getconf CLK_TCK)

fdfile=$(mktemp)
Xvfb -displayfd 7 -screen 0 1024x768x24 -nolisten tcp 7>"$fdfile" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.05; done
display=":$(tr -d '\n' <"$fdfile")"
rm -f "$fdfile"
run_pid=""
cleanup() {
    [ -n "$run_pid" ] && kill "$run_pid" 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

# Processes of this measurement are those started on our private display.
pids_named() {  # pids_named PATTERN (a glob on the process name)
    local p comm
    for p in /proc/[0-9]*; do
        { read -r comm <"$p/comm"; } 2>/dev/null || continue
        # shellcheck disable=SC2053
        [[ $comm == $1 ]] || continue
        { tr '\0' '\n' <"$p/environ"; } 2>/dev/null | grep -qx "DISPLAY=$display" &&
            echo "${p#/proc/}"
    done
    return 0
}
cpu_ticks() {  # user + system ticks of the given pids
    local total=0 p fields
    for p in "$@"; do
        fields=$(sed 's/.*) //' "/proc/$p/stat" 2>/dev/null) || continue
        set -- $fields
        total=$((total + ${12} + ${13}))
    done
    echo "$total"
}

measure() {  # measure EXE -> prints "program_ticks server_ticks"
    local exe=$1 comm pid="" server=""
    comm=$(basename "$exe" | cut -c1-15)
    LENZOR_KEEP_DISPLAY=1 DISPLAY=$display LENZOR_TEST_LENS= scripts/wine-run.sh "$exe" \
        >/dev/null 2>&1 &
    run_pid=$!
    for _ in $(seq 600); do
        pid=$(pids_named "$comm" | head -n 1)
        server=$(pids_named "wineserver*" | head -n 1)
        [ -n "$pid" ] && [ -n "$server" ] && break
        sleep 0.1
    done
    if [ -z "$pid" ] || [ -z "$server" ]; then
        echo "idle-cpu: $comm did not start" >&2
        exit 1
    fi
    sleep "$settle"
    local p0 s0 p1 s1
    p0=$(cpu_ticks "$pid"); s0=$(cpu_ticks "$server")
    sleep "$seconds"
    p1=$(cpu_ticks "$pid"); s1=$(cpu_ticks "$server")
    kill "$pid" 2>/dev/null || true
    wait "$run_pid" 2>/dev/null || true
    run_pid=""
    echo "$((p1 - p0)) $((s1 - s0))"
}

read -r bare_p bare_s < <(measure "$bare")
read -r lenzor_p lenzor_s < <(measure "$lenzor")
awk -v t="$ticks" -v s="$seconds" -v bp="$bare_p" -v bs="$bare_s" -v lp="$lenzor_p" \
    -v ls="$lenzor_s" 'BEGIN {
    printf "idle CPU over %d s (program + wineserver, seconds)\n", s
    printf "  bare 10 ms timer   %6.2f + %6.2f = %6.2f\n", bp / t, bs / t, (bp + bs) / t
    printf "  Lenzor.exe         %6.2f + %6.2f = %6.2f\n", lp / t, ls / t, (lp + ls) / t
    if (bp + bs > 0) printf "  ratio Lenzor / bare: %.2fx\n", (lp + ls) / (bp + bs)
}'
