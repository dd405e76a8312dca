#!/usr/bin/env bash
# Portable files (no _win suffix) must not reach Win32 headers, directly or via a _win header.
# A folder or file grep cannot read fails the check: an unread file is not a portable one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
status=0
found=$(grep -rlE '#\s*include\s*[<"]([a-z0-9_]+_win\.h|windows\.h|winuser\.h|wingdi\.h|shellapi\.h|commctrl\.h|winreg\.h|shlobj\.h|objbase\.h)[>"]' \
        src tests bench) || status=$?
if [ "$status" -gt 1 ]; then
    echo "portability check: grep failed (status $status)"
    exit 1
fi
bad=$(grep -vE '_win(_test)?\.(h|cpp)$' <<<"$found" || true)
if [ -n "$bad" ]; then
    echo "portable files that include Win32 headers:"
    echo "$bad"
    exit 1
fi
echo "portability check: ok"
