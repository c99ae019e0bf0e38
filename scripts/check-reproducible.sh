#!/usr/bin/env bash
# Builds the release zip of HEAD twice, each time from a fresh clone in a folder of its own
# (names of different lengths, so that a build path kept in a program shows), and compares the
# two SHA256SUMS. Prints both; exits non-zero when they differ. Changes not committed are not
# built. Takes a few minutes: two Windows trees, each with its own Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
commit=$(git rev-parse HEAD)
work=$(mktemp -d /tmp/kestrova-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT

# Clones the commit into $1, builds its package target and prints its SHA256SUMS.
build_package() {
    local source=$1
    git clone -q --no-checkout . "$source"
    git -C "$source" checkout -q --detach "$commit"
    cmake -S "$source" -B "$source/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >"$work/build.log" 2>&1 &&
        cmake --build "$source/build" -j"$(nproc)" --target package >>"$work/build.log" 2>&1 ||
        { cat "$work/build.log" >&2; exit 2; }
    cat "$source/build/package/SHA256SUMS"
}

echo "commit $commit"
first=$(build_package "$work/a")
echo "build 1 ($work/a):"
echo "$first"
second=$(build_package "$work/second-clone")
echo "build 2 ($work/second-clone):"
echo "$second"
if [ "$first" != "$second" ]; then
    echo "check-reproducible: the two builds differ"
    exit 1
fi
echo "check-reproducible: the two builds are the same"
