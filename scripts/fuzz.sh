#!/bin/sh
# Builds the libFuzzer programs with Clang in build-fuzz and runs each one for FUZZ_SECONDS
# (default 300) on its corpus (tests/fuzz/corpus/<target>) with the shared dictionary, one after
# the other. New inputs go to build-fuzz/runs/<target>/corpus, never into the committed corpus,
# and a later run goes on from them. Fails when any fuzzer finds a crash; the crashing input is
# left in build-fuzz/runs/<target>/ as crash-*, leak-*, timeout-* or oom-*.
#
#   FUZZ_SECONDS=60 FUZZ_TARGETS="numbers palette_file" make fuzz
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR="$ROOT/build-fuzz"
SECONDS_EACH=${FUZZ_SECONDS:-300}
TARGETS=${FUZZ_TARGETS:-"project_file data_file section_file palette_file carotage_import numbers"}

# Only fuzzing needs Clang and its libFuzzer runtime, so setup.sh installs them only when asked.
"$ROOT/scripts/setup.sh" clang libclang-rt-14-dev cmake ninja-build

cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DKALVERO_FUZZ=ON -DKALVERO_BUILD_TESTS=ON -DKALVERO_BUILD_BENCH=OFF >/dev/null
programs=""
for t in $TARGETS; do
    programs="$programs fuzz_$t"
done
# shellcheck disable=SC2086
cmake --build "$BUILD_DIR" -j "${FUZZ_JOBS:-2}" --target $programs

# Every save flushes its files to the disk; in a memory file system that costs nothing, which
# makes the project targets many times faster.
scratch_base="$BUILD_DIR/runs"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    scratch_base=/dev/shm
fi

failed=""
for t in $TARGETS; do
    run="$BUILD_DIR/runs/$t"
    mkdir -p "$run/corpus" "$run/cwd"
    scratch=$(mktemp -d "$scratch_base/kalvero-fuzz-$t.XXXXXX")
    echo "== fuzz_$t for $SECONDS_EACH s"
    # The working folder is empty: a project names its data files relative to it first.
    if (cd "$run/cwd" && TMPDIR="$scratch" "$BUILD_DIR/tests/fuzz/fuzz_$t" \
        -max_total_time="$SECONDS_EACH" -timeout=30 -print_final_stats=1 \
        -dict="$ROOT/tests/fuzz/fuzz.dict" -artifact_prefix="$run/" \
        "$run/corpus" "$ROOT/tests/fuzz/corpus/$t" >"$run/log.txt" 2>&1); then
        grep -E "^(stat::number_of_executed_units|stat::new_units_added|#[0-9]+ +DONE)" \
            "$run/log.txt" || true
    else
        tail -n 40 "$run/log.txt"
        failed="$failed $t"
    fi
    rm -rf "$scratch"
done

if [ -n "$failed" ]; then
    echo "Fuzzing found crashes in:$failed (inputs and logs under $BUILD_DIR/runs/)"
    exit 1
fi
echo "Fuzzing: no crash in $SECONDS_EACH s per target"
