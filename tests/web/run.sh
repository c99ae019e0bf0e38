#!/usr/bin/env bash
# The browser tests: the page of SITE (default build/web/site) in Debian's headless Chromium,
# against kestrova-cli of the native tree. Prints each case and "N passed, N failed" last;
# exits non-zero when a case failed. scripts/install-deps.sh installs Chromium and the driver.
#   tests/web/run.sh [SITE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 0 ] || export KESTROVA_SITE=$(realpath "$1")
exec node --test --test-reporter="$here/reporter.js" "$here/page.test.js"
