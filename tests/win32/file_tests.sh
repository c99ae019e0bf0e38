#!/usr/bin/env bash
# Runs the puzzle-file tests under Wine as a user would meet the files: as root, without the
# capabilities that let root write into read-only files and folders. Wine opens files in its
# server, so the prefix must be one whose server starts here. Wine keeps no read-only attribute
# on folders, so the read-only folder with a writable puzzle file in it is made here.
#   file_tests.sh PREFIX TEST_EXE
set -euo pipefail
prefix=$1 tests=$2
root=$(cd "$(dirname "$0")/../.." && pwd)

work=$(mktemp -d /tmp/kestrova-files.XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
mkdir "$work/read-only"
head -c 81 /dev/zero | tr '\0' '\4' >"$work/read-only/board.sud"
chmod 555 "$work/read-only"
export KESTROVA_READ_ONLY_FOLDER="Z:${work//\//\\}\\read-only"

run=()
[ "$(id -u)" != 0 ] ||
    run=(setpriv --inh-caps=-dac_override,-dac_read_search
         --bounding-set=-dac_override,-dac_read_search)
"${run[@]}" "$root/cmake/wine-run.sh" "$prefix" "$tests"
