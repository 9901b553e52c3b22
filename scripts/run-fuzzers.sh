#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds,
# starting from the seed corpus kept in fuzz/corpus/<target>. Prints one summary line per
# target and fails on the first crash, leak or broken promise.
set -euo pipefail
seconds=${1:-30}
cd "$(dirname "$0")/.."

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVMM_FUZZ=ON -DVMM_BUILD_TESTS=OFF >/dev/null
targets=$(sed -n 's/^vmm_add_fuzzer(\([a-z_]*\) .*/\1/p' fuzz/CMakeLists.txt)
# shellcheck disable=SC2086
cmake --build build-fuzz --parallel 2 --target $targets >/dev/null

# The targets run side by side: each is one process, and the machine has more than one core.
run_target() { # target
    local target=$1
    local seeds=fuzz/corpus/${target#fuzz_}
    local work=build-fuzz/corpus/$target
    local log=build-fuzz/$target.log
    mkdir -p "$work"
    if QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=1 \
        "build-fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -timeout=10 -rss_limit_mb=2048 -artifact_prefix="build-fuzz/$target-" "$work" "$seeds" \
        >"$log" 2>&1; then
        local runs
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz: $target ran ${runs:-?} inputs in ${seconds}s, nothing found"
    else
        echo "fuzz: $target FOUND A FAULT; the input is saved as build-fuzz/$target-*. Log:"
        tail -n 40 "$log"
        return 1
    fi
}

pids=()
for target in $targets; do
    run_target "$target" &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do
    wait "$pid" || status=1
done
exit $status
