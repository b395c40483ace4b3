#!/usr/bin/env bash
# Installs what is missing, builds the board server and runs a local board on SQLite,
# at http://127.0.0.1:8427/ with its database in build/board.db:
#   scripts/board.sh [server options...]     (they come after the defaults, so they win)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZINGAROO_TESTS=OFF -DZINGAROO_BENCH=OFF >/dev/null
cmake --build build --target zingaroo-board
exec ./build/board/zingaroo-board --listen 127.0.0.1:8427 --db "sqlite:$PWD/build/board.db" "$@"
