#!/usr/bin/env bash
# Builds the release packages: stripped release builds of Lenzor.exe for 64- and 32-bit Windows,
# zipped with their files as dist/Lenzor-<version>-win64.zip and -win32.zip (the version is the
# one in CMakeLists.txt). Prints each package's size and contents.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
version=$(sed -nE 's/^project\(Lenzor VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
mkdir -p dist
for target in win64:x86_64-w64-mingw32 win32:i686-w64-mingw32; do
    arch=${target%%:*}
    triple=${target#*:}
    echo "package: building $arch-release"
    cmake --preset "$arch-release" >/dev/null
    cmake --build --preset "$arch-release"
    zip="dist/Lenzor-$version-$arch.zip"
    bash scripts/zip-package.sh "build/$arch-release/app/Lenzor.exe" "$triple" "$zip"
    echo "package: $zip, $(stat -c %s "$zip") bytes"
    unzip -l "$zip"
done
