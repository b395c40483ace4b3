#!/usr/bin/env bash
# Builds one fuzz target with libFuzzer and the address and undefined-behaviour sanitizers, then
# runs it:
#   scripts/fuzz.sh settings [runs [seconds]]   the settings file
#   scripts/fuzz.sh replay [runs [seconds]]     recorded games, saved games, typed game numbers
# (default 10000000 executions, -1 for no bound; seconds bounds the run's time). Findings and
# the growing corpus stay in build-fuzz/ (or $ZINGAROO_FUZZ_OUT). Without clang it says so and
# ends with 77, which the test command counts as skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang++ >/dev/null; then
    echo "fuzz.sh: clang++ is not installed; nothing fuzzed" >&2
    exit 77
fi
case "${1:-}" in
settings) folder=options max_len=1024 ;;
replay) folder=replay max_len=4096 ;;
*)
    echo "usage: $0 settings|replay [runs]" >&2
    exit 2
    ;;
esac
target=zingaroo_$1_fuzz
runs="${2:-10000000}"
seconds="${3:-0}"
out="${ZINGAROO_FUZZ_OUT:-build-fuzz}"
corpus=$out/$1-corpus
mkdir -p "$corpus"
cp -n "tests/$folder/fuzz/corpus/"* "$corpus/"

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZINGAROO_FUZZ=ON -DZINGAROO_WERROR=ON -DZINGAROO_BENCH=OFF "${launcher[@]}"
cmake --build "$out" --target "$target"

# Allocation stacks are costly to record on every malloc; rerun a finding with
# ASAN_OPTIONS= to see them.
export ASAN_OPTIONS="${ASAN_OPTIONS-malloc_context_size=0}"
# A finding ends with 1, not libFuzzer's 77, which means here that nothing was fuzzed.
"$out/tests/$folder/$target" -runs="$runs" -max_total_time="$seconds" -max_len="$max_len" \
    -error_exitcode=1 -timeout_exitcode=1 -artifact_prefix="$out/" -print_final_stats=1 "$corpus"
