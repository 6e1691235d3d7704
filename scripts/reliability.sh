#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Proves the configuration survives crashes, failing disks, concurrent writers, hostile files and
# arbitrary input, and prints the figures of the run. Installs what it needs (root or sudo).
#
#   scripts/reliability.sh                 full run: 1,000 kills, 1,000 rounds, 100 MB files,
#                                          every fuzz target for 10 minutes
#   scripts/reliability.sh --short         the run CI does: 100 kills, 200 rounds, 32 MB files,
#                                          one minute a fuzz target
#   --fuzz-seconds N                       seconds for each fuzz target instead
#
# The fuzz targets keep what they learn in build-fuzz/corpus/, so each run starts where the last
# one stopped; an input that breaks a target is saved in build-fuzz/artifacts/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh

kills=1000 rounds=1000 megabytes=100 fuzz_seconds=600
while [ $# -gt 0 ]; do
    case "$1" in
        --short) kills=100 rounds=200 megabytes=32 fuzz_seconds=60 ;;
        --fuzz-seconds) fuzz_seconds="$2"; shift ;;
        *) echo "usage: $0 [--short] [--fuzz-seconds N]" >&2; exit 2 ;;
    esac
    shift
done

# shellcheck disable=SC2086
norvane_install $norvane_packages_build $norvane_packages_test clang-14 libclang-rt-14-dev

# The same folder and flags as scripts/test.sh, so after it nothing is built twice.
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DNORVANE_BENCH=ON)
[ "${CI:-}" = "true" ] && flags+=(-DNORVANE_WERROR=ON)
cmake -S . -B build -G Ninja "${flags[@]}" >/dev/null
cmake --build build -j "$(nproc)" --target reliability_tests ui_reliability_tests

figures=$(mktemp)
log=$(mktemp)
trap 'rm -f "$figures" "$log"' EXIT

# Runs a test program; its whole output is shown only when it fails.
run_tests() {
    if ! "$@" >"$log" 2>&1; then
        cat "$log"
        echo "norvane: $1 failed" >&2
        exit 1
    fi
    grep -E '^\[(figure|  PASSED)' "$log"
    grep -E '^\[figure\]' "$log" >>"$figures" || true
    faults=$((${faults:-0} + $(grep -c '^\[       OK \] EveryStep/' "$log" || true)))
}

echo "== crash, concurrency, faults, hostile files"
NORVANE_CRASH_KILLS=$kills NORVANE_CONCURRENCY_ROUNDS=$rounds NORVANE_HOSTILE_MB=$megabytes run_tests build/bin/reliability_tests
run_tests build/bin/ui_reliability_tests
echo "[figure] faults.injected_cases_passed=$faults" | tee -a "$figures"

echo "== fuzzing, $fuzz_seconds s a target"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 \
    -DCMAKE_CXX_COMPILER=clang++-14 -DNORVANE_FUZZ=ON -DNORVANE_GUI=OFF -DNORVANE_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
targets=(profile_parse profile_write registry_parse server_list)
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]/%/_fuzz}"
mkdir -p build-fuzz/artifacts
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for target in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    fuzz_log=build-fuzz/$target.log
    if ! build-fuzz/bin/${target}_fuzz -max_total_time="$fuzz_seconds" -max_len=16384 -timeout=10 -rss_limit_mb=4096 \
            -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/ "$corpus" "fuzz/corpus/$target" >"$fuzz_log" 2>&1; then
        tail -n 40 "$fuzz_log"
        echo "norvane: $target found a failing input; see build-fuzz/artifacts/" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: //p' "$fuzz_log")
    echo "[figure] fuzz.${target}_executions=$runs" | tee -a "$figures"
    echo "[figure] fuzz.${target}_corpus_files=$(find "$corpus" -type f | wc -l)" | tee -a "$figures"
done

echo "== figures"
sed -n 's/^\[figure\] //p' "$figures"
