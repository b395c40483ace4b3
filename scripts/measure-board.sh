#!/usr/bin/env bash
# Prints the board's figures kept in the README, on SQLite and on PostgreSQL (a server of its
# own from pg_virtualenv): half-hour day's games accepted a second with the board kept busy;
# the day's page and its JSON read by 100 clients (wrk) while uploads run, p50 and p99; the
# server's memory under that load. scripts/measure.sh runs it; alone:
#   scripts/measure-board.sh BUILD_DIR [seconds]
# The games are played by the replay bot once and kept in BUILD_DIR/board-games/<date>/.
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR [seconds]}" && pwd)
seconds=${2:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
server=$build/board/zingaroo-board
# Three sets of games: uploads alone, uploads under page reads, under JSON reads.
per_set=1000

if [ "${ZINGAROO_BOARD_MEASURE_STORE:-}" = "" ]; then
    cmake --build "$build" -j2 --target zingaroo-board zingaroo_make_day_games \
        zingaroo_board_uploads >/dev/null
    day=$(date -u +%F)
    games=$build/board-games/$day
    if [ "$(find "$games" -name '*.zingaroo' 2>/dev/null | wc -l)" -ne $((3 * per_set)) ]; then
        echo "(playing $((3 * per_set)) half-hour games of $day with the replay bot)"
        rm -rf "$build/board-games"
        mkdir -p "$games"
        "$build/tests/board/zingaroo_make_day_games" "$day" $((3 * per_set)) "$games" 11250 >/dev/null
        sets=(a b c)
        mkdir "${sets[@]/#/$games/}"
        i=0
        for f in "$games"/*.zingaroo; do
            mv "$f" "$games/${sets[i % 3]}/"
            i=$((i + 1))
        done
    fi
    export ZINGAROO_BOARD_MEASURE_GAMES=$games ZINGAROO_BOARD_MEASURE_DAY=$day
    ZINGAROO_BOARD_MEASURE_STORE=sqlite bash "$0" "$build" "$seconds"
    if command -v pg_virtualenv >/dev/null; then
        ZINGAROO_BOARD_MEASURE_STORE=postgresql pg_virtualenv bash "$0" "$build" "$seconds" 2>/dev/null
    else
        echo "postgresql: not installed, not measured"
    fi
    exit 0
fi

# From here on: one store, with the games of $ZINGAROO_BOARD_MEASURE_GAMES.
store=$ZINGAROO_BOARD_MEASURE_STORE
games=$ZINGAROO_BOARD_MEASURE_GAMES
work=$(mktemp -d)
pid=
finish() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    [ -z "$pid" ] || wait "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
if [ "$store" = sqlite ]; then
    db=sqlite:$work/board.db
else
    db="postgresql://$PGUSER:$PGPASSWORD@$PGHOST:$PGPORT/$PGDATABASE"
fi
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$server" --listen "127.0.0.1:$port" --db "$db" --uploads-per-minute 0 >/dev/null 2>"$work/server.log" &
pid=$!
for _ in $(seq 100); do
    curl -sf "http://127.0.0.1:$port/healthz" >/dev/null && break
    sleep 0.1
done
uploads() {
    "$build/bench/zingaroo_board_uploads" 127.0.0.1 "$port" "$1" "$games/$2"
}
reads() {
    wrk -t2 -c100 -d"${seconds}s" --latency "http://127.0.0.1:$port$1" |
        awk -v what="$2" '/^ +50%/ {p50 = $2} /^ +99%/ {p99 = $2} /Requests\/sec/ {rate = $2}
            END {print "  " what ", 100 clients: p50 " p50 ", p99 " p99 ", " rate " a second"}'
}

echo "== The board on $store"
echo "uploads of half-hour games alone, 8 connections: $(uploads 8 a)"
uploads 2 b >"$work/b.txt" &
up=$!
reads / "the day's page while uploads run"
wait $up || true
echo "  those uploads, 2 connections: $(cat "$work/b.txt")"
uploads 2 c >"$work/c.txt" &
up=$!
reads "/api/v1/days/$ZINGAROO_BOARD_MEASURE_DAY" "the day's JSON while uploads run"
wait $up || true
echo "  those uploads, 2 connections: $(cat "$work/c.txt")"
awk '/^VmHWM/ {peak = $2} /^VmRSS/ {now = $2}
    END {printf "server memory: peak RSS %.1f MiB, now %.1f MiB\n", peak / 1024, now / 1024}' \
    "/proc/$pid/status"
