#!/usr/bin/env bash
# Portable files (no _win suffix) must not reach Win32 headers, directly or via a _win header.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bad=$(grep -rlE '#\s*include\s*[<"]([a-z0-9_]+_win\.h|windows\.h|winuser\.h|wingdi\.h|shellapi\.h|commctrl\.h|winreg\.h|shlobj\.h|objbase\.h)[>"]' \
        src tests bench 2>/dev/null | grep -vE '_win(_test)?\.(h|cpp)$' || true)
if [ -n "$bad" ]; then
    echo "portable files that include Win32 headers:"
    echo "$bad"
    exit 1
fi
echo "portability check: ok"
