#!/usr/bin/env bash
# Runs the puzzle-file tests under Wine as a user meets the files: as an ordinary user (nobody),
# whom permissions bind, among files of that user and of another owner (root). Setting those up
# needs root; Wine then runs as the user in a prefix the user owns, since Wine refuses a prefix
# of another owner. The test program checks what it could save and why not; this script checks
# that every file kept its mode, owner, inode and links, and that nothing was left beside them.
# Run by a user other than root, it runs the program as that user without the other owner's
# files. Wine keeps no read-only attribute on folders, so the read-only folder is made here.
#   file_tests.sh USER_FOLDER TEST_EXE
set -euo pipefail
folder=$1 tests=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
user=nobody
owner=$(id -un)   # of the files the user running the program may write

work=$(mktemp -d /tmp/kestrova-files.XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"

# FILE OWNER MODE: 81 fours.
make_file() {
    head -c 81 /dev/zero | tr '\0' '\4' >"$1"
    chown "$2:" "$1"
    chmod "$3" "$1"
}

run=("$root/cmake/wine-run.sh")
if [ "$(id -u)" = 0 ]; then
    owner=$user
    # The user runs copies, since a tree under root's home is closed to others; and keeps its
    # prefix in the tree only where it can reach it.
    cp "$root/cmake/wine-run.sh" "$tests" "$work/"
    tests=$work/$(basename "$tests")
    mkdir -p "$folder"
    chown -R "$user:" "$folder"
    as_user=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups)
    "${as_user[@]}" test -w "$folder" || { folder=$work/wine-user; mkdir -m 755 "$folder"; chown "$user:" "$folder"; }
    run=("${as_user[@]}" env HOME="$folder" USER="$user" "$work/wine-run.sh")

    cases=$work/cases
    mkdir -m 755 "$cases" "$cases/sticky"
    chmod 1777 "$cases/sticky"
    make_file "$cases/own-600.sud" "$user" 600
    make_file "$cases/own-640.sud" "$user" 640
    make_file "$cases/others-600.sud" root 600
    make_file "$cases/others-640.sud" root 640
    make_file "$cases/others-644.sud" root 644
    make_file "$cases/sticky/others-666.sud" root 666
    make_file "$cases/read-only.sud" "$user" 444
    make_file "$cases/link-target.sud" "$user" 640
    ln -s link-target.sud "$cases/symbolic-link.sud"
    make_file "$cases/hard-link.sud" "$user" 644
    ln "$cases/hard-link.sud" "$cases/hard-link-second.sud"
    export KESTROVA_SAVE_CASES="Z:${cases//\//\\}"
fi

mkdir "$work/read-only"
make_file "$work/read-only/board.sud" "$owner" 644
chmod 555 "$work/read-only"
export KESTROVA_READ_ONLY_FOLDER="Z:${work//\//\\}\\read-only"

listing() { (cd "$work" && find read-only ${cases:+cases} -printf '%p %M %u %i %n %l\n' | sort); }
before=$(listing)
"${run[@]}" "$folder/prefix" "$tests"
# Its Wine server ends before the folders go.
[ -z "${as_user+x}" ] || "${as_user[@]}" env WINEPREFIX="$folder/prefix" /usr/lib/wine/wineserver -w
after=$(listing)
if [ -n "${KESTROVA_SAVE_CASES:-}" ]; then
    for refused in others-600 others-640 others-644 read-only; do
        make_file "$work/fours" root 600
        cmp "$work/fours" "$cases/$refused.sud" ||
            { echo "file_tests.sh: $refused.sud, which the user may not write, changed" >&2; exit 1; }
        rm "$work/fours"
    done
fi
if [ "$before" != "$after" ]; then
    echo "file_tests.sh: files changed their mode, owner, identity or links, or appeared:" >&2
    diff <(echo "$before") <(echo "$after") >&2
    exit 1
fi
