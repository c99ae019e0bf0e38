#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and the browser tests' driver from
# npm; does nothing when all are there.
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
    chromium                                               # the page's tests and benchmark, headless
    ccache                                                 # scripts/mutate.sh's rebuilds
)
# Node and npm drive the browser; a Node of another source may bring its own npm.
command -v npm >/dev/null || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "install-deps.sh: installing ${missing[*]}"
    sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The browser's driver (tests/web), as its lock file pins it; it uses the chromium above.
web_tests=$(dirname "$0")/../tests/web
if [ ! -f "$web_tests/node_modules/.package-lock.json" ] ||
    [ "$web_tests/package-lock.json" -nt "$web_tests/node_modules/.package-lock.json" ]; then
    echo "install-deps.sh: npm ci in tests/web"
    (cd "$web_tests" && npm ci --ignore-scripts --no-audit --no-fund >/dev/null)
fi
