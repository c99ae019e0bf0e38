#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are there.
set -euo pipefail

packages=(
    cmake g++ make libgtest-dev googletest                 # native tree and unit tests
    clang-format                                           # the check of the formatting
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64   # Windows tree (compilers, windres)
    wine wine64 fonts-wine                                 # running the Windows programs
    xvfb xauth xdotool imagemagick                         # the window tests on a virtual display
    git unzip python3                                      # the version tests, the downloadable zip
    clang libclang-rt-14-dev                               # the libFuzzer tree (scripts/fuzz.sh)
    emscripten node-acorn                                  # the page (build/web)
    chromium                                               # the page's tests, headless
    ccache                                                 # scripts/mutate.sh's rebuilds
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps.sh: installing ${missing[*]}"
sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
