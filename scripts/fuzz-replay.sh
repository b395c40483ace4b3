#!/usr/bin/env bash
# Builds the game-file fuzz target (recorded games, saved games, typed game numbers) with
# libFuzzer and the address and undefined-behaviour sanitizers, then runs it.
#   scripts/fuzz-replay.sh [runs]      (default 10000000 executions)
# Findings and the growing corpus stay in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-10000000}"
out=build-fuzz
mkdir -p "$out/replay-corpus"
cp -n tests/replay/fuzz/corpus/* "$out/replay-corpus/"

cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZINGAROO_FUZZ=ON -DZINGAROO_WERROR=ON -DZINGAROO_BENCH=OFF
cmake --build "$out" --target zingaroo_replay_fuzz

# Allocation stacks are costly to record on every malloc; rerun a finding with
# ASAN_OPTIONS= to see them.
export ASAN_OPTIONS="${ASAN_OPTIONS-malloc_context_size=0}"
"$out/tests/replay/zingaroo_replay_fuzz" -runs="$runs" -max_len=4096 -artifact_prefix="$out/" \
    -print_final_stats=1 "$out/replay-corpus"
