#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine, and builds
# libjpeg-turbo for the two MinGW targets from Debian's source package. Where all that is done
# it only looks (one package query, two file tests) and changes nothing: the package lists are
# refreshed only when something must be fetched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps="$root/.deps"

packages=(
    cmake ninja-build g++ python3 git
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine wine64 xvfb xauth x11-utils xdotool imagemagick fonts-dejavu-core zip unzip
    libjpeg-dev libstb-dev googletest libbenchmark-dev dpkg-dev
    clang libclang-rt-14-dev libfuzzer-14-dev
)

# Root runs apt-get itself, anyone else through sudo.
as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

updated=0
apt_update() {
    [ $updated = 1 ] && return 0
    as_root apt-get update -qq
    updated=1
}

# Installed is dpkg's own state, whatever the selection: a package on hold reads
# "hold ok installed" and is there all the same.
installed=$(dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${packages[@]}" 2>/dev/null |
    awk '$1 == "installed" { print $2 }' || true)
missing=()
for p in "${packages[@]}"; do
    grep -qxF "$p" <<<"$installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    apt_update
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Debian's source of libjpeg-turbo; the deb-src entry for the machine's suite, and a refresh,
# only when apt cannot find the source as things are.
src_list=/etc/apt/sources.list.d/lenzor-deb-src.sources
fetch_jpeg_source() {
    mkdir -p "$deps/src"
    (cd "$deps/src" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1) && return 0
    if [ ! -f "$src_list" ]; then
        local suite
        suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
        as_root tee "$src_list" >/dev/null <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
        updated=0
    fi
    apt_update
    (cd "$deps/src" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
}

# libjpeg-turbo for the cross targets.
build_jpeg() {
    local target=$1 toolchain=$2
    local prefix="$deps/$target"
    [ -f "$prefix/lib/libjpeg.a" ] && return 0
    local src
    src=$(ls -d "$deps"/src/libjpeg-turbo-*/ 2>/dev/null | head -n 1 || true)
    if [ -z "$src" ]; then
        fetch_jpeg_source
        src=$(ls -d "$deps"/src/libjpeg-turbo-*/ | head -n 1)
    fi
    echo "setup: building libjpeg-turbo for $target"
    cmake -S "$src" -B "$deps/build-$target" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
        -DCMAKE_INSTALL_PREFIX="$prefix" -Wno-dev >/dev/null
    cmake --build "$deps/build-$target" --target install >/dev/null
}
build_jpeg win64 toolchain-mingw64.cmake
build_jpeg win32 toolchain-mingw32.cmake
