#!/usr/bin/env bash
# Plants each fault of scripts/mutations.txt, one at a time, in a scratch copy of the work tree,
# runs the quick native suite (ctest -LE slow) against it, and with --wine also the Windows
# tree's tests under Wine; prints how many faults the tests caught and names the survivors.
#
#   scripts/mutate.sh [--wine] [--only REGEX] [--check]
#
# --only REGEX  plants only the faults whose file or description matches REGEX
# --check       only checks that every snippet is still found (no build, no tests)
#
# The scratch copy lives in build/mutate/tree and keeps its build trees between runs: the first
# run builds everything once, later runs rebuild what changed. Each fault is taken out again
# before the next is planted. A fault whose snippet is no longer found in its file is STALE: the
# list needs mending, and it does not count. Faults in framework/win32/ count only with --wine.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
faults_file=$root/scripts/mutations.txt
scratch=$root/build/mutate/tree
wine=false
only=
check_only=false
while [ $# -gt 0 ]; do
    case $1 in
    --wine) wine=true ;;
    --only) only=$2; shift ;;
    --check) check_only=true ;;
    *) echo "usage: $0 [--wine] [--only REGEX] [--check]" >&2; exit 2 ;;
    esac
    shift
done

# The tests of the quick native suite, and the programs they run. libgen and its tests are built
# once: none of the faults is in their own code, so they would only cost links.
native_targets=(engine_tests framework_tests sources_tests window_tests cli_tests kestrova-cli)
once_targets=(libgen_tests libgen)
jobs=2

log() { printf '%s\n' "$*" >&2; }

# Copies the work tree's files into the scratch copy; only files whose bytes differ are written,
# so that the build trees rebuild no more than what changed.
sync_scratch() {
    mkdir -p "$scratch"
    (cd "$root" && git ls-files --cached --others --exclude-standard -z) |
        while IFS= read -r -d '' file; do
            [ -f "$root/$file" ] || continue
            if ! cmp -s "$root/$file" "$scratch/$file"; then
                mkdir -p "$(dirname "$scratch/$file")"
                cp "$root/$file" "$scratch/$file"
            fi
        done
}

# ccache, where installed, makes taking a fault out again cheap: the original objects come back
# from its cache. Relative to the tree, so the work tree's own builds fill the same cache.
# gold links the test programs, which every fault of the engine relinks, faster.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=$scratch
fi
native_linker=()
if command -v ld.gold >/dev/null; then
    native_linker=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold)
fi

configure_trees() {
    cmake -S "$scratch" -B "$scratch/build/native" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
        "${native_linker[@]}" >/dev/null || return 1
    if $wine; then
        cmake -S "$scratch" -B "$scratch/build/win32" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$scratch/cmake/mingw-w64.cmake" "${launcher[@]}" >/dev/null ||
            return 1
    fi
}

build_native() {
    cmake --build "$scratch/build/native" -j$jobs --target "${native_targets[@]}" "$@" \
        >"$scratch/build/last_build.log" 2>&1
}

build_win32() {
    cmake --build "$scratch/build/win32" -j$jobs >"$scratch/build/last_build.log" 2>&1
}

# Each test case is a test of its own: the first failure decides.
native_suite_fails() {
    ! ctest --test-dir "$scratch/build/native" -LE slow -j$jobs --stop-on-failure --timeout 120 \
        >"$scratch/build/last_test.log" 2>&1
}

# One test per program there, each start costing about a second; the packaging is left out.
wine_suite_fails() {
    ! ctest --test-dir "$scratch/build/win32" -E '^(package|window\.package)$' --stop-on-failure \
        --timeout 300 >"$scratch/build/last_test.log" 2>&1
}

# How many times the snippet occurs in the file, taken literally but for \n.
occurrences() {
    FIND=$2 perl -0777 -ne '($f = $ENV{FIND}) =~ s/\\n/\n/g; $n = () = /\Q$f\E/g; print $n' "$1"
}

replace_once() {
    FIND=$2 REPL=$3 perl -0777 -pi -e '
        BEGIN { ($f = $ENV{FIND}) =~ s/\\n/\n/g; ($r = $ENV{REPL}) =~ s/\\n/\n/g; }
        s/\Q$f\E/$r/' "$1"
}

caught=0
counted=0
survivors=()
stale=()
unbuilt=()
skipped=0

# Plants one fault, runs the suites, takes the fault out again.
try_fault() {
    local file=$1 find=$2 repl=$3 what=$4
    local name="$file: $what"
    if [ -n "$only" ] && ! [[ $name =~ $only ]]; then
        return
    fi
    local target=$scratch/$file source=$root/$file
    local found=0
    [ -f "$source" ] && found=$(occurrences "$source" "$find")
    if [ "$found" != 1 ]; then
        stale+=("$name (snippet found $found times)")
        log "STALE      $name"
        return
    fi
    local win32_only=false
    [[ $file == framework/win32/* ]] && win32_only=true
    if $win32_only && ! $wine; then
        skipped=$((skipped + 1))
        return
    fi
    $check_only && return
    local started=$SECONDS
    cp "$target" "$scratch/build/original"
    replace_once "$target" "$find" "$repl"
    local verdict=survived
    if ! $win32_only; then
        if ! build_native; then
            verdict=unbuilt
        elif native_suite_fails; then
            verdict=caught
        fi
    fi
    if $wine && [ $verdict = survived ]; then
        if ! build_win32; then
            verdict=unbuilt
        elif wine_suite_fails; then
            verdict=caught
        fi
    fi
    # Taken out again; the new time stamp makes the next build put the original objects back.
    cp "$scratch/build/original" "$target"
    touch "$target"
    case $verdict in
    caught)
        caught=$((caught + 1))
        counted=$((counted + 1))
        log "caught     $name ($((SECONDS - started)) s)"
        ;;
    survived)
        counted=$((counted + 1))
        survivors+=("$name")
        log "SURVIVED   $name ($((SECONDS - started)) s)"
        ;;
    unbuilt)
        unbuilt+=("$name")
        log "NOT BUILT  $name"
        tail -5 "$scratch/build/last_build.log" >&2
        ;;
    esac
}

# The list: "@ FILE | DESCRIPTION", then "- SNIPPET" and "+ REPLACEMENT" ("+" alone deletes).
run_faults() {
    local file= what= find= line
    while IFS= read -r line || [ -n "$line" ]; do
        case $line in
        '@ '*)
            file=${line#@ }
            what=${file#* | }
            file=${file%% | *}
            ;;
        '- '*) find=${line#- } ;;
        '+'*)
            local repl=${line#+}
            try_fault "$file" "$find" "${repl# }" "$what"
            ;;
        esac
    done <"$faults_file"
}

if ! $check_only; then
    "$root/scripts/install-deps.sh" || exit 1
    sync_scratch
    configure_trees || { log "mutate.sh: the scratch copy does not configure"; exit 1; }
    log "mutate.sh: building the scratch copy unchanged"
    build_native "${once_targets[@]}" || { log "mutate.sh: the unchanged tree does not build"; exit 1; }
    if native_suite_fails; then
        log "mutate.sh: the quick suite fails on the unchanged tree"
        exit 1
    fi
    if $wine; then
        build_win32 || { log "mutate.sh: the unchanged Windows tree does not build"; exit 1; }
        if wine_suite_fails; then
            log "mutate.sh: the Windows tree's tests fail unchanged"
            exit 1
        fi
    fi
fi
run_faults

echo
if $check_only; then
    echo "checked: ${#stale[@]} stale"
else
    echo "caught $caught of $counted faults"
fi
$wine || echo "($skipped faults of the Windows backend need --wine)"
for name in "${survivors[@]}"; do echo "survived:  $name"; done
for name in "${stale[@]}"; do echo "STALE:     $name"; done
for name in "${unbuilt[@]}"; do echo "not built: $name"; done
[ ${#stale[@]} -eq 0 ] && [ ${#unbuilt[@]} -eq 0 ]
