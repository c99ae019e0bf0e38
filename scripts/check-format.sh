#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format makes of it
# (.clang-format at the root); `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "check-format.sh: every C++ file is formatted"
