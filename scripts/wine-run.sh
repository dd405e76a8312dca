#!/usr/bin/env bash
# wine-run.sh PROGRAM.exe [ARGS...]
# Runs a Windows program under 64-bit Wine in a private prefix (a hard-linked copy of a
# template prefix made once) on a private Xvfb display, then tears both down. Returns the
# program's exit code, 125 when the template prefix cannot be made. Never touches the user's
# own ~/.wine.
#   LENZOR_WINE_ROOT   folder for the template and the per-run prefixes (default: beside the exe)
#   LENZOR_SCREEN      Xvfb screen geometry (default 1024x768x24)
#   LENZOR_KEEP_DISPLAY=1  use the caller's $DISPLAY instead of a private Xvfb
set -uo pipefail
exe=$(readlink -f "$1"); shift
root=${LENZOR_WINE_ROOT:-$(dirname "$exe")/wine}
mkdir -p "$root"
root=$(readlink -f "$root")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64

template="$root/template"
# A failed boot leaves no template behind, so the next run boots again instead of copying a
# broken prefix.
(
    flock 9
    if [ ! -f "$template/.ready" ]; then
        rm -rf "$template"
        if ! WINEPREFIX="$template" wineboot -i >/dev/null 2>&1 ||
            ! WINEPREFIX="$template" wineserver -w; then
            rm -rf "$template"
            exit 1
        fi
        touch "$template/.ready"
    fi
) 9>"$root/.lock" || { echo "wine-run: wineboot failed for the prefix template" >&2; exit 125; }

prefix=$(mktemp -d "$root/run.XXXXXX")
cp -al "$template/." "$prefix/"
for f in "$prefix"/*.reg; do cp --remove-destination "$template/$(basename "$f")" "$f"; done
export WINEPREFIX="$prefix"

xvfb_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$prefix"
}
trap cleanup EXIT

if [ "${LENZOR_KEEP_DISPLAY:-0}" != 1 ]; then
    fdfile=$(mktemp)
    Xvfb -displayfd 7 -screen 0 "${LENZOR_SCREEN:-1024x768x24}" -nolisten tcp 7>"$fdfile" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.05; done
    export DISPLAY=":$(tr -d '\n' < "$fdfile")"
    rm -f "$fdfile"
fi

wine "$exe" "$@"
