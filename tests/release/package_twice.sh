#!/usr/bin/env bash
# Packs one build twice, with the packed text files touched and the clock moved on in between:
# the zip and SHA256SUMS must come out byte for byte the same, and no entry may carry an extra
# field (where zip writers keep times and owners).
#   package_twice.sh BUILD_DIR ZIP
set -euo pipefail
tree=$1 zip=$2

first=$(mktemp -d /tmp/kestrova-package.XXXXXX)
trap 'rm -rf "$first"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
pack() { cmake --build "$tree" --target package >/dev/null; }

pack
cp "$zip" "$(dirname "$zip")/SHA256SUMS" "$first/"
sleep 2 # a zip entry's time counts in steps of two seconds
touch "$tree"/packaging/*.txt
pack
cmp "$first/$(basename "$zip")" "$zip" || fail "packing the same build twice gave two zips"
cmp "$first/SHA256SUMS" "$(dirname "$zip")/SHA256SUMS" || fail "packing the same build twice gave two SHA256SUMS"
echo "ok: packing the same build twice gives the same zip: $(cat "$first/SHA256SUMS")"

extras=$(zipinfo -v "$zip" | grep -c 'length of extra field: *0 bytes' || true)
[ "$extras" = "$(zipinfo -1 "$zip" | wc -l)" ] || fail "some entries carry extra fields"
echo "ok: no entry carries an extra field"
