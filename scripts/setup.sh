#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine, and builds
# libjpeg-turbo for the two MinGW targets from Debian's source package. Quick when done before.
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

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

src_list=/etc/apt/sources.list.d/lenzor-deb-src.sources
need_update=0
if [ ! -f "$src_list" ]; then
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    cat > "$src_list" <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    need_update=1
fi
if [ ${#missing[@]} -gt 0 ] || [ $need_update = 1 ]; then
    echo "setup: installing ${missing[*]:-(source list only)}"
    apt-get update -qq
    if [ ${#missing[@]} -gt 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
fi

# libjpeg-turbo for the cross targets, from Debian's own source package.
build_jpeg() {
    local target=$1 toolchain=$2
    local prefix="$deps/$target"
    [ -f "$prefix/lib/libjpeg.a" ] && return 0
    local src
    src=$(ls -d "$deps"/src/libjpeg-turbo-*/ 2>/dev/null | head -n 1 || true)
    if [ -z "$src" ]; then
        mkdir -p "$deps/src"
        (cd "$deps/src" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
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
