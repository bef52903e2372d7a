#!/usr/bin/env bash
# Builds the fuzz target with clang in build-fuzz/ and runs it for SECONDS (default 90); fails on any finding.
# A finding is kept in build-fuzz/findings/ and replayed with: build-fuzz/fuzz/fuzz_data_files <file>
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DCUADRIX_SANITIZE=ON -DCUADRIX_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz --target fuzz_data_files
# The program folder goes to memory when it can; the first corpus folder gathers the inputs found.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
mkdir -p build-fuzz/corpus build-fuzz/findings && rm -f build-fuzz/findings/*
# libFuzzer leaves a file in findings/ for every crash, broken invariant, leak, timeout or memory overrun.
build-fuzz/fuzz/fuzz_data_files build-fuzz/corpus fuzz/corpus -dict=fuzz/cuadrix.dict -max_total_time="${1:-90}" \
    -max_len=16384 -timeout=10 -rss_limit_mb=4096 -artifact_prefix=build-fuzz/findings/ >build-fuzz/fuzz.log 2>&1 || true
grep -E 'DONE|invariant broken|ERROR:|SUMMARY:' build-fuzz/fuzz.log | tail -5 || true
[ -z "$(ls -A build-fuzz/findings)" ] || { echo "FINDING, see build-fuzz/fuzz.log" >&2; exit 1; }
