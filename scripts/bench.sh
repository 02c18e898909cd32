#!/bin/sh
# Runs the benchmarks on generated medium and large projects and measures kalvero-cli's memory.
set -eu
BUILD_DIR=${1:-build}
export KALVERO_BENCH_DIR=${KALVERO_BENCH_DIR:-/tmp/kalvero-bench}

"$BUILD_DIR/bench/make_big_project" "$KALVERO_BENCH_DIR/medium" medium >/dev/null
"$BUILD_DIR/bench/make_big_project" "$KALVERO_BENCH_DIR/large" large >/dev/null

for b in core_bench chart_bench view_bench; do
    if [ -x "$BUILD_DIR/bench/$b" ]; then
        "$BUILD_DIR/bench/$b"
    fi
done

out=$(mktemp -d)
/usr/bin/time -f "kalvero-cli save of the large project: %e s, peak %M KiB" \
    "$BUILD_DIR/src/kalvero-cli" save "$KALVERO_BENCH_DIR/large/big.crt" "$out/big.crt"
rm -rf "$out"
