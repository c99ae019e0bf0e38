#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test: native, then the Windows
# programs under Wine (unit tests and the window tests). Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j"$jobs"
cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build build/win32 -j"$jobs"

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
exit $failed
