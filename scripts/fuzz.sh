#!/usr/bin/env bash
# Builds one fuzz target with libFuzzer and the address and undefined-behaviour sanitizers, then
# runs it:
#   scripts/fuzz.sh settings [runs]   the settings file
#   scripts/fuzz.sh replay [runs]     recorded games, saved games, typed game numbers
# (default 10000000 executions). Findings and the growing corpus stay in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
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
out=build-fuzz
corpus=$out/$1-corpus
mkdir -p "$corpus"
cp -n "tests/$folder/fuzz/corpus/"* "$corpus/"

cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZINGAROO_FUZZ=ON -DZINGAROO_WERROR=ON -DZINGAROO_BENCH=OFF
cmake --build "$out" --target "$target"

# Allocation stacks are costly to record on every malloc; rerun a finding with
# ASAN_OPTIONS= to see them.
export ASAN_OPTIONS="${ASAN_OPTIONS-malloc_context_size=0}"
"$out/tests/$folder/$target" -runs="$runs" -max_len="$max_len" -artifact_prefix="$out/" \
    -print_final_stats=1 "$corpus"
