#!/usr/bin/env bash
# Configures and builds the given presets (default: native, win64 and win32).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(native win64 win32)
for p in "${presets[@]}"; do
    echo "build: $p"
    started=$SECONDS
    cmake --preset "$p" >/dev/null
    cmake --build --preset "$p"
    echo "build: $p took $((SECONDS - started)) s"
done
