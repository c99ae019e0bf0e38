#!/usr/bin/env bash
# The page's benchmark (bench/web_bench.js): builds kestrova-cli (build/native), Kestrova.exe
# (build/win32) and the page beside it (build/web), then measures the page in headless Chromium
# against kestrova-cli.
#   scripts/web-bench.sh [--runs R] [--quick]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j"$jobs" --target kestrova-cli >/dev/null
cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build build/win32 -j"$jobs" --target Kestrova >/dev/null
[ -f build/web/CMakeCache.txt ] || cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake >/dev/null
cmake --build build/web -j"$jobs" >/dev/null
exec node bench/web_bench.js --site build/web/site "$@"
