#!/usr/bin/env bash
# zip-package.sh LENZOR_EXE MINGW_TRIPLE OUTPUT.zip
# Makes the package a user unzips: a folder "Lenzor" with the stripped executable, Language/,
# the texts (Readme, ProVersion and their translations, License.txt), and no Lenzor.ini (the
# first start writes it).
# Used by scripts/package.sh and by the package test, so both zip the same way. Entries are
# sorted and dated from the last commit, so the same inputs give the same zip.
set -euo pipefail
exe=$(readlink -f "$1")
triple=$2
out=$(readlink -f "$3")
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

stage="$work/Lenzor"
mkdir -p "$stage/Language"
"$triple-strip" -o "$stage/Lenzor.exe" "$exe"
cp "$root"/assets/Language/*.ini "$stage/Language/"
cp "$root"/assets/text/*.txt "$stage/"
stamp=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 946684800)
find "$stage" -exec touch -d "@$stamp" {} +
rm -f "$out"
(cd "$work" && find Lenzor | LC_ALL=C sort | TZ=UTC zip -X -q -@ "$out")
