#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for SECONDS (default 60).
# Prints the executions and the coverage of each and fails on any finding; a finding is kept
# in build-fuzz/findings/<target>/ and can be replayed with: build-fuzz/fuzz/fuzz_<target> <file>
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DCUADRIX_SANITIZE=ON -DCUADRIX_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
# Only the targets: the Qt windows are not needed to fuzz the game logic.
targets=(library_draw:8192 label_lookup:8192 solution_lookup:16384 saved_game:1024)
cmake --build build-fuzz --target $(printf 'fuzz_%s ' "${targets[@]%%:*}")

# The program folders of the targets go to memory when it can.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

failed=0
printf '%-16s %10s %8s %8s %8s  %s\n' target executions cov ft corpus result
for entry in "${targets[@]}"; do
    name=${entry%%:*} max_len=${entry##*:}
    corpus=build-fuzz/corpus/$name findings=build-fuzz/findings/$name log=build-fuzz/findings/$name.log
    mkdir -p "$corpus" "$findings"
    rm -f "$findings"/*
    status=0
    # The first folder gathers the inputs found; the shipped seeds stay as they are.
    build-fuzz/fuzz/fuzz_"$name" "$corpus" fuzz/corpus/"$name" -dict=fuzz/cuadrix.dict \
        -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$findings"/ >"$log" 2>&1 || status=$?
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 || true)
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$done_line")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$done_line")
    corp=$(sed -n 's/.* corp: \([0-9]*\/[0-9A-Za-z]*\).*/\1/p' <<<"$done_line")
    if [ "$status" -ne 0 ] || [ -n "$(ls -A "$findings")" ]; then
        result="FINDING (exit $status), see $log"
        failed=1
        grep -E 'invariant broken|ERROR:|SUMMARY:' "$log" | head -5 >&2 || true
    else
        result=ok
    fi
    printf '%-16s %10s %8s %8s %8s  %s\n' "$name" "${executions:-?}" "${cov:-?}" "${ft:-?}" "${corp:-?}" "$result"
done
exit "$failed"
