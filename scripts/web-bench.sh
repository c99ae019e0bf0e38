#!/usr/bin/env bash
# The page's benchmark (bench/web_bench.js): builds kestrova-cli (build/native) and the site
# (build/web), then measures the page in headless Chromium against kestrova-cli.
#   scripts/web-bench.sh [--runs R] [--quick]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j"$(nproc)" --target kestrova-cli >/dev/null
[ ! -f build/web/CMakeCache.txt ] || cmake --build build/web -j"$(nproc)" >/dev/null
exec node bench/web_bench.js --site build/web/site "$@"
