#!/usr/bin/env bash
# The version and the commit as the build records them (write_build_info.cmake, tried on
# repositories made here) and as kestrova-cli, README.md and CHANGELOG.md name them.
#   build_info_test.sh WRITE_BUILD_INFO_SCRIPT KESTROVA_CLI SOURCE_DIR PROJECT_VERSION
set -euo pipefail
script=$1 cli=$2 source=$3 version=$4

work=$(mktemp -d /tmp/kestrova-build-info.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok: $*"; }

header=$work/build_info.h
write_header() { cmake -DSOURCE_DIR="$1" -DOUTPUT="$header" -DVERSION=2.13.4 -DGIT="$(command -v git)" -P "$script"; }
macro() { sed -n "s/^#define KESTROVA_$1 \(.*\)\$/\1/p" "$header"; }

repo=$work/repo
mkdir -p "$repo/sub" "$work/plain"
git -C "$repo" init -q
echo one >"$repo/file"
git -C "$repo" add file
git -C "$repo" -c user.name=test -c user.email=test@example.invalid commit -qm one
hash=$(git -C "$repo" rev-parse --short=7 HEAD)

write_header "$repo"
[ "$(macro VERSION) $(macro VERSION_MAJOR) $(macro VERSION_MINOR) $(macro VERSION_PATCH)" = '"2.13.4" 2 13 4' ] ||
    fail "the version is not written as \"2.13.4\" 2 13 4"
[ "$(macro COMMIT)" = "\"$hash\"" ] || fail "the commit of a clean checkout is $(macro COMMIT), not \"$hash\""
ok "a clean checkout: the version and the short hash of HEAD"

touch -d 2000-01-01 "$header"
write_header "$repo"
[ "$(stat -c %Y "$header")" = "$(date -d 2000-01-01 +%s)" ] || fail "the unchanged header was written again"
ok "an unchanged header is left as it was, so that nothing is recompiled"

echo two >"$repo/file"
write_header "$repo"
[ "$(macro COMMIT)" = "\"$hash-dirty\"" ] || fail "the commit of a changed checkout is $(macro COMMIT)"
ok "a changed file: -dirty"

for folder in "$work/plain" "$repo/sub"; do
    write_header "$folder"
    [ "$(macro COMMIT)" = '""' ] || fail "sources in $folder are given the commit $(macro COMMIT)"
done
ok "sources that are not a checkout of their own, also inside another one: no commit"

# The program as built from this tree.
line=$("$cli" --version) || fail "kestrova-cli --version ended with status $?"
expected="kestrova-cli $version"
top=$(git -C "$source" rev-parse --show-toplevel 2>/dev/null) || top=
if [ -n "$top" ] && [ "$top" -ef "$source" ]; then
    expected+=" (commit $(git -C "$source" rev-parse --short=7 HEAD)"
    [ "$line" = "$expected)" ] || [ "$line" = "$expected-dirty)" ] || fail "'$line' is not '$expected)'"
else
    [ "$line" = "$expected" ] || fail "'$line' is not '$expected'"
fi
ok "$line"

grep -qF "Kestrova-$version-win64.zip" "$source/README.md" || fail "README.md does not name Kestrova-$version-win64.zip"
newest=$(grep -m 1 -E '^## \[[0-9]' "$source/CHANGELOG.md") || newest=
[[ $newest == "## [$version] - "* ]] || fail "the newest release in CHANGELOG.md is '$newest', not $version"
ok "README.md and the newest entry of CHANGELOG.md name $version"
