#!/usr/bin/env bash
# Builds the libFuzzer tree (build/fuzz, clang) and runs each target for SECONDS (default 30) on
# a copy of its seed corpus in tests/fuzz/corpus. Prints the executions and the coverage of each;
# exits non-zero when a target finds a fault, keeping the input that shows it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
tree=build/fuzz
targets=(puzzle_file_fuzzer library_check_fuzzer puzzle_line_fuzzer puzzle_number_fuzzer)

cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=Debug -DKESTROVA_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$tree" -j"$(nproc)" --target "${targets[@]}"

# The last value libFuzzer printed for a field, e.g. "cov:" or "stat::number_of_executed_units:".
# ("corp:" counts the inputs the fuzzer keeps; the files of its folder may outnumber them.)
last_value() {
    grep -o "$1 *[0-9]*" "$2" | tail -n 1 | grep -o '[0-9]*$' || echo '?'
}

# Runs one target in a fresh folder of its own: the corpus it grows and any input that broke it.
run_target() {
    local target=$1 run=$tree/runs/$1
    rm -rf "$run"
    mkdir -p "$run/corpus" "$run/findings"
    cp tests/fuzz/corpus/"$target"/* "$run/corpus/"
    if ! "$tree/tests/fuzz/$target" "$run/corpus" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$run/findings/" >"$run/log" 2>&1; then
        tail -n 40 "$run/log"
        echo "fuzz.sh: $target found a fault; the input is in $run/findings/, the log in $run/log"
        return 1
    fi
    printf '%-22s %4ss  %10s execs  %7s exec/s  cov %5s  ft %6s  corpus %5s\n' "$target" \
        "$seconds" "$(last_value 'stat::number_of_executed_units:' "$run/log")" \
        "$(last_value 'stat::average_exec_per_sec:' "$run/log")" \
        "$(last_value 'cov:' "$run/log")" "$(last_value 'ft:' "$run/log")" \
        "$(last_value 'corp:' "$run/log")"
}

failed=0
for target in "${targets[@]}"; do
    run_target "$target" || failed=1
done
exit $failed
