#!/usr/bin/env bash
# Installs what is missing, builds Zingaroo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZINGAROO_TESTS=OFF -DZINGAROO_BENCH=OFF >/dev/null
cmake --build build --target zingaroo
exec ./build/shell/zingaroo
