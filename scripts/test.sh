#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
# Every source file keeps the repository's formatting.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZINGAROO_WERROR=ON
cmake --build build-test
ctest --test-dir build-test --output-on-failure
