#!/usr/bin/env bash
# Plays the built game in a virtual X server across two sittings: a game left in play at a
# logout comes back paused with the same field, goes on to game over, and is then watched
# from the Scores dialog as a replay that returns to the title. Stops itself within 100 s.
#
# Usage: scripts/e2e-resume.sh BUILD_DIR   (screenshots go to BUILD_DIR/e2e-resume/)
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
name=e2e-resume
. "$(dirname "$0")/e2e-common.sh"
if [ "${ZINGAROO_E2E_INNER:-}" != 1 ]; then
    export ZINGAROO_E2E_INNER=1
    exec timeout -k 5 100 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$build"
fi

make_workspace "$build/e2e-resume"
exe=$work/game/zingaroo
cp "$build/shell/zingaroo" "$work/game/"
cp -r "$build/shell/sound" "$build/shell/help" "$work/game/"
# A fast game with many paddles, so that it ends soon once launched.
printf '[Settings]\nPlayOptions=24,18,60,0,60,10,1\n' >"$work/game/settings.ini"
saved=$work/data/zingaroo/game
scores=$work/data/zingaroo/scores

run() {
    QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$work/config" \
        XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" \
        "$exe" >>"$out/program.log" 2>&1 &
    pid=$!
    wid=$(xdotool search --sync --onlyvisible --name '^Zingaroo$' | head -n 1)
    [ -n "$wid" ] || fail "no window"
}
stop() {
    kill -TERM "$pid"
    wait_for 10 eval '! kill -0 $pid 2>/dev/null' || fail "the program did not end at SIGTERM"
    pid=
}
title_rgb="64,0,255"
# The score line lies under the field, so the window's middle row, not its bottom, is the field's.
title_shown() {
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "$(pixel $((X + WIDTH - 1)) $((Y + HEIGHT / 2)))" = "$title_rgb" ]
}
client() { import -window root -crop "${client_w}x${client_h}+${X}+${top}" +repage "$1"; }
field_shown() { [ -n "$(first_run "${client_w}x1+${X}+${top}")" ]; }
differs() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" != 0 ]; }

# First sitting: start a game and leave it in play at a logout, its ball still standing.
run
wait_for 5 title_shown || fail "no title screen"
top=$Y
while [ "$(pixel $((X + 2)) "$top")" != "$title_rgb" ]; do top=$((top + 1)); done
bottom=$((Y + HEIGHT - 1))
while [ "$(pixel $((X + 2)) "$bottom")" != "$title_rgb" ]; do bottom=$((bottom - 1)); done
client_w=$WIDTH
client_h=$((bottom + 1 - top))
client "$out/title.png"
xdotool mousemove $((X + client_w / 2)) $((top + client_h / 2)) click 1
wait_for 5 field_shown || fail "no field after the start click"
sleep 0.3
client "$out/left.png"
stop
grep -q '^saved ' "$saved" || fail "no saved game after SIGTERM"
cp "$saved" "$out/game"
pass "a game left in play at SIGTERM was saved ($(wc -c <"$saved") bytes)"

# Second sitting: the same game, paused; P shows the same field (the ball may twinkle).
run
wait_for 5 title_shown || fail "no picture in the second sitting"
sleep 0.3
client "$out/paused.png"
! field_shown || fail "the field shows instead of the pause screen"
differs "$out/title.png" "$out/paused.png" || fail "the title shows instead of the pause screen"
[ ! -e "$saved" ] || fail "the resumed game's file is still there for another copy"
pass "the saved game opened paused, and this copy claimed it"
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key p
wait_for 5 field_shown || fail "P did not go on with the game"
client "$out/resumed.png"
cell_w=$(first_run "${client_w}x1+${X}+${top}")
cell_h=$(first_run "1x${client_h}+${X}+${top}")
changed=$(compare -metric AE "$out/left.png" "$out/resumed.png" null: 2>&1 || true)
[ "$changed" -le $((cell_w * cell_h)) ] || fail "the resumed field differs in $changed pixels"
pass "P showed the field as it was left ($changed pixels differ, at most the ball's cell)"

# On to game over, by dropping paddles all over the field.
xdotool mousemove $((X + client_w / 2)) $((top + client_h / 2)) click 1
deadline=$((SECONDS + 20))
until [ "$(grep -c ' 24,18,60,0,60,10,1 ' "$scores" 2>/dev/null)" = 1 ]; do
    [ $SECONDS -lt $deadline ] || fail "the game did not end within 20 s"
    xdotool mousemove $((X + RANDOM % client_w)) $((top + RANDOM % client_h)) key w
done
grep -Eq '^[0-9T:Z-]{20} #[1-9][0-9]* 24,18,60,0,60,10,1 ' "$scores" ||
    fail "the game's line has no number: $(tail -n 1 "$scores")"
pass "the resumed game ended in the scores with its number: $(tail -n 1 "$scores")"
# The replay follows the scores line on the writing thread, a moment later.
wait_for 5 eval 'ls "$work/data/zingaroo/replays/"*.replay >/dev/null 2>&1' ||
    fail "no replay kept for the game"
# A Scores dialog on a new entry closes with Enter and Escape.
if wait_for 2 eval "xdotool search --onlyvisible --name '^Scores$' >/dev/null"; then
    xdotool key Return Escape
    wait_for 5 eval "! xdotool search --onlyvisible --name '^Scores$' >/dev/null" ||
        fail "the Scores dialog did not close"
fi
cp "$scores" "$out/scores"

# Watch it from Scores: the History page plays the table's last game.
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key F6
wait_for 5 eval "xdotool search --onlyvisible --name '^Scores$' >/dev/null" || fail "no Scores dialog"
xdotool key alt+h alt+w
wait_for 5 eval "xdotool search --onlyvisible --name '^Zingaroo – Replay ×1$' >/dev/null" ||
    fail "no replay in the window's title"
import -window root "$out/replay.png"
xdotool key 4
wait_for 5 eval "xdotool search --onlyvisible --name 'Replay ×4$' >/dev/null" || fail "4 did not speed it up"
pass "Watch played the game back, marked as a replay; 4 sped it up"
wait_for 30 eval "xdotool search --onlyvisible --name '^Zingaroo$' >/dev/null" ||
    fail "the replay did not return to the title"
wait_for 5 title_shown || fail "no title after the replay"
cmp -s "$scores" "$out/scores" || fail "the replay changed the scores file"
pass "the replay ended on the title and left the scores as they were"
stop
[ ! -e "$saved" ] || fail "a game was saved after the replay"
pass "nothing was saved at the end with no game in play"
echo "e2e-resume: $passed passed, 0 failed"
