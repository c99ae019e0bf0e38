#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds four trees and runs every test:
# native (g++, Release), the Windows programs under Wine (unit tests, the window tests and the
# package), native Debug under AddressSanitizer and UndefinedBehaviorSanitizer, and the page
# (Emscripten); then runs each fuzzer for a short while, packs the web zip, and runs the page in
# headless Chromium. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
jobs=$(nproc)

# Configures a tree (quietly; the options only on its first configure) and builds it.
build() {
    local tree=$1
    shift
    if [ -f "$tree/CMakeCache.txt" ]; then cmake -S . -B "$tree" >/dev/null; else cmake -S . -B "$tree" "$@" >/dev/null; fi
    cmake --build "$tree" -j"$jobs"
}

build build/native -DCMAKE_BUILD_TYPE=Release
build build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
build build/asan -DCMAKE_BUILD_TYPE=Debug -DKESTROVA_SANITIZE=ON
# The page, with the Windows tree's Kestrova.exe beside it.
build build/web -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Runs ctest in one tree; prints its summary, or everything it said when something failed.
run_ctest() {
    local tree=$1 log=$1/ctest.log status=0
    echo "== ctest in $tree"
    ctest --test-dir "$tree" --output-on-failure -j"$jobs" >"$log" 2>&1 || status=$?
    if [ $status -ne 0 ]; then cat "$log"; else grep -E 'tests passed|tests failed|Total Test time' "$log"; fi
    return $status
}

failed=0
run_ctest build/native || failed=1
run_ctest build/win32 || failed=1
run_ctest build/asan || failed=1
scripts/fuzz.sh 30 || failed=1
echo "== the web zip beside the win64 zip (made by ctest in build/win32)"
cmake --build build/web --target package >/dev/null &&
    tests/release/package_twice.sh build/web build/web/package/*-web.zip || failed=1
echo "== browser tests (tests/web) of build/web/site"
tests/web/run.sh build/web/site || failed=1
exit $failed
