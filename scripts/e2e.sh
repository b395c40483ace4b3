#!/usr/bin/env bash
# Plays the built game for real in a virtual X server: title, start, a paddle under the
# pointer, the Status box, the context menu, Exit; then checks the exit code, the settings
# file and the sound that reached the (disk) audio driver. A second run plays a fast game to
# its end and finds it in the scores file; two more open a replay file and a damaged one named
# on the command line. Stops itself within 100 seconds.
#
# Usage: scripts/e2e.sh BUILD_DIR [PROGRAM]   (screenshots go to BUILD_DIR/e2e/)
# With PROGRAM, an installed or unpacked program is played where it lies instead: its
# settings must land in the XDG config folder and nothing may change under its
# installation (screenshots go to BUILD_DIR/e2e-installed/).
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_DIR [PROGRAM]}" && pwd)
program=${2:+$(realpath "$2")}

name=e2e
. "$(dirname "$0")/e2e-common.sh"

if [ "${ZINGAROO_E2E_INNER:-}" != 1 ]; then
    for tool in xvfb-run xdotool import convert compare; do
        command -v "$tool" >/dev/null || { echo "e2e: $tool is missing" >&2; exit 1; }
    done
    # --help and --version answer without a display.
    exe=${program:-$build/shell/zingaroo}
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "$exe" --version) || fail "--version failed"
    [ "$answer" = "zingaroo $version" ] || fail "--version printed '$answer'"
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "$exe" --help) || fail "--help failed"
    [[ $answer == "Usage: zingaroo "*"--version"* ]] || fail "--help printed '$answer'"
    ! "$exe" --version >/dev/full 2>/dev/null || fail "--version into a full disk ended with 0"
    pass "--help and --version answered without a display, a failed write with a failure"
    # --verify plays every replay of the corpus through the rules, without a display too; an
    # empty file among them makes the run fail.
    corpus=$(cd "$(dirname "$0")/../tests/replay/corpus" && pwd)
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "$exe" --verify "$corpus"/*.replay) ||
        fail "--verify of the corpus failed: $answer"
    [ "$(grep -c ', game over: ok$\|, abandoned: ok$' <<<"$answer")" = "$(ls "$corpus"/*.replay | wc -l)" ] ||
        fail "--verify printed '$answer'"
    : >"$build/empty.zingaroo"
    answer=$("$exe" --verify "$corpus/01-default-runs-into.replay" "$build/empty.zingaroo") &&
        fail "--verify with an empty file ended with 0"
    [ "$answer" = "$corpus/01-default-runs-into.replay: game 7919001, options 24,18,6,6,60,160,1, score 48, phase 2, steps 316, game over: ok
$build/empty.zingaroo: empty" ] || fail "--verify printed '$answer'"
    pass "--verify checked the replay corpus without a display, and an empty file failed"
    export ZINGAROO_E2E_INNER=1 ZINGAROO_E2E_PASSED=$passed
    exec timeout -k 5 100 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$build" ${program:+"$program"}
fi

make_workspace "$build/e2e${program:+-installed}"
if [ -n "$program" ]; then
    exe=$program
    settings=$work/config/zingaroo/settings.ini
    touch "$work/started"
else
    # The program runs from a folder of its own, so its settings land there.
    exe=$work/game/zingaroo
    settings=$work/game/settings.ini
    cp "$build/shell/zingaroo" "$work/game/"
    cp -r "$build/shell/sound" "$build/shell/help" "$work/game/"
fi

shot() { import -window root "$out/$1.png"; }
shows() { [ "$(pixel "$1" "$2")" = "$3" ]; }

QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" \
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" \
    "$exe" >>"$out/program.log" 2>&1 &
pid=$!

wid=$(xdotool search --sync --onlyvisible --name '^Zingaroo$' | head -n 1)
[ -n "$wid" ] || fail "no window"
# The client area is the block of the title colour under the menu bar.
title_rgb="64,0,255"
# The score line lies under the field, so the window's middle row, not its bottom, is the field's.
title_shown() {
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    shows $((X + WIDTH - 1)) $((Y + HEIGHT / 2)) "$title_rgb"
}
wait_for 5 title_shown || fail "no title screen"
shot title
top=$Y
while [ "$(pixel $((X + 2)) "$top")" != "$title_rgb" ]; do
    top=$((top + 1))
    [ $top -lt $((Y + HEIGHT)) ] || fail "no title colour in the window"
done
bottom=$((Y + HEIGHT - 1))
while [ "$(pixel $((X + 2)) "$bottom")" != "$title_rgb" ]; do bottom=$((bottom - 1)); done
client_w=$WIDTH
client_h=$((bottom + 1 - top))
[ "$(pixel $((X + client_w - 1)) "$bottom")" = "$title_rgb" ] || fail "title does not fill the client area"
pass "title screen in a ${client_w}x${client_h} client area"

# Start. The field's squares alternate in colour, and no tile covers its top row or left
# column, so the first square's run along them gives the cell size.
xdotool mousemove $((X + client_w / 2)) $((top + client_h / 2)) click 1
field_shown() { cell_w=$(first_run "${client_w}x1+${X}+${top}") && [ -n "$cell_w" ]; }
wait_for 5 field_shown || fail "no field after the start click"
cell_h=$(first_run "1x${client_h}+${X}+${top}")

# Launch, then drop a slash paddle on cell (2, 2) with W.
xdotool click 1
cx=$((X + 2 * cell_w))
cy=$((top + 2 * cell_h))
xdotool mousemove $((cx + cell_w / 2)) $((cy + cell_h / 2))
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key w
# The cell shows the slash tile (the sheet's third) on its square, centred as the game
# centres tiles in larger cells.
tile=18
convert -size "${cell_w}x${cell_h}" "xc:rgb($title_rgb)" \
    \( "$(dirname "$0")/../data/sprites/sprites.png" -crop "${tile}x${tile}+$((2 * tile))+0" \) \
    -geometry "+$(((cell_w - tile) / 2))+$(((cell_h - tile) / 2))" -composite "$work/slash.png"
slash_shown() {
    import -window root -crop "${cell_w}x${cell_h}+${cx}+${cy}" +repage "$work/cell.png"
    [ "$(compare -metric AE "$work/slash.png" "$work/cell.png" null: 2>&1)" = 0 ]
}
wait_for 5 slash_shown || fail "no slash paddle at cell (2, 2)"
shot paddle
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/playing.png"
pass "W put a slash paddle under the pointer"

# F4 opens the Status box; Enter closes it.
xdotool key F4
status=$(xdotool search --sync --onlyvisible --name '^Status$' | head -n 1)
[ -n "$status" ] || fail "no Status box"
shot status
xdotool key Return
wait_for 5 eval "! xdotool search --onlyvisible --name '^Status$' >/dev/null" ||
    fail "Status box did not close"
pass "F4 opened and Enter closed the Status box"

# A right click opens the context menu over the field; Escape closes it.
mx=$((X + client_w * 2 / 3))
my=$((top + client_h * 3 / 4))
before=$(pixel $((mx + 20)) $((my + 8)))
menu_open() {
    opened=$(pixel $((mx + 20)) $((my + 8)))
    [ "$opened" != 64,0,255 ] && [ "$opened" != 128,128,255 ]
}
xdotool mousemove $mx $my click 3
wait_for 5 menu_open || fail "no context menu at the pointer ($opened)"
shot menu
xdotool key Escape
wait_for 5 eval '! shows $((mx + 20)) $((my + 8)) "$opened"' || fail "context menu did not close"
pass "right click opened the context menu ($before -> $opened), Escape closed it"

# Game > Exit through the menu's access keys.
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key alt+g
# The open menu is a second window of the program.
wait_for 5 eval '[ "$(xdotool search --onlyvisible --pid $pid | wc -l)" -gt 1 ]' ||
    fail "no Game menu"
xdotool key x
code=0
wait_for 10 eval '! kill -0 $pid 2>/dev/null' || fail "the program did not end after Exit"
wait $pid || code=$?
pid=
[ $code -eq 0 ] || fail "exit code $code"
pass "Exit ended the program with exit code 0"

# Exit left a game in play: it is saved, to open paused at the next start. This check
# starts its second run on the title, so the saved game goes.
grep -q '^saved ' "$work/data/zingaroo/game" || fail "Exit mid-game saved no game"
rm "$work/data/zingaroo/game"
pass "Exit mid-game saved the game in play"

[ -f "$settings" ] || fail "no settings.ini at $settings"
for key in PlayOptions ViewOptions SystemOptions Others; do
    grep -q "^$key=" "$settings" || fail "settings.ini has no $key"
done
cp "$settings" "$out/settings.ini"
pass "settings.ini written with all four keys"
# The client area held the field the settings describe, cell by cell.
IFS=, read -r columns rows _ < <(sed -n 's/^PlayOptions=//p' "$settings")
IFS=, read -r cw ch < <(sed -n 's/^ViewOptions=//p' "$settings")
shown="${client_w}x${client_h} of ${cell_w}x${cell_h} cells"
[ "$shown" = "$((columns * cw))x$((rows * ch)) of ${cw}x${ch} cells" ] ||
    fail "a client area $shown for a ${columns}x${rows} field of ${cw}x${ch} cells"
pass "the client area held the settings' ${columns}x${rows} field of ${cw}x${ch} cells"
if [ -n "$program" ]; then
    changed=$(find "$(dirname "$program")/.." -newer "$work/started" | head -n 5)
    [ -z "$changed" ] || fail "written under the installation: $changed"
    pass "nothing written under the installation"
fi

[ -s "$work/audio.raw" ] || fail "no audio reached the disk driver"
peak=$(od -An -v -t d2 -w2 "$work/audio.raw" | awk '{v=$1<0?-$1:$1; if (v>m) m=v} END {print m+0}')
[ "$peak" -gt 1000 ] || fail "only silence reached the audio driver (peak $peak)"
pass "the start sound reached the audio driver (peak sample $peak)"
# A fast game with many paddles, played to its end by dropping paddles all over the field:
# the finished game is in the scores file as soon as it ends.
menu_h=$((top - Y))
sed -i 's/^PlayOptions=.*/PlayOptions=24,18,60,0,60,10,1/' "$settings"
QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" \
    "$exe" >>"$out/program.log" 2>&1 &
pid=$!
wid=$(xdotool search --sync --onlyvisible --name '^Zingaroo$' | head -n 1)
[ -n "$wid" ] || fail "no window in the second run"
wait_for 5 title_shown || fail "no title screen in the second run"
top=$((Y + menu_h))
xdotool mousemove $((X + client_w / 2)) $((top + client_h / 2)) click 1
wait_for 5 field_shown || fail "no field in the second run"
xdotool click 1
scores=$work/data/zingaroo/scores
ended() { [ "$(grep -c ' 24,18,60,0,60,10,1 ' "$scores" 2>/dev/null)" = 1 ]; }
deadline=$((SECONDS + 20))
until ended; do
    [ $SECONDS -lt $deadline ] || fail "the game did not end within 20 s"
    xdotool mousemove $((X + RANDOM % client_w)) $((top + RANDOM % client_h)) key w
done
shot game-over
cp "$scores" "$out/scores"
[ "$(head -n 1 "$scores")" = "zingaroo scores 3" ] || fail "the scores file has no version line"
grep -Eq '^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z #[1-9][0-9]* 24,18,60,0,60,10,1 [0-9]+ [1-9][0-9]* [0-9]+ ' \
    "$scores" || fail "the game's line is not as written: $(tail -n 1 "$scores")"
pass "the finished game is in the scores file: $(tail -n 1 "$scores")"
# A game with points makes the empty table: the Scores dialog shows it. Enter keeps the
# name, Escape closes the dialog.
if ! grep -q ' 24,18,60,0,60,10,1 0 ' "$scores"; then
    dialog=$(xdotool search --sync --onlyvisible --name '^Scores$' | head -n 1)
    [ -n "$dialog" ] || fail "no Scores dialog after a game with points"
    shot scores
    xdotool key Return
    xdotool key Escape
    wait_for 5 eval "! xdotool search --onlyvisible --name '^Scores$' >/dev/null" ||
        fail "the Scores dialog did not close"
    pass "the Scores dialog opened on the new entry and closed"
fi
kill -TERM "$pid"
wait_for 10 eval '! kill -0 $pid 2>/dev/null' || fail "the second run did not end"
pid=

# Starts the program on a file named on its command line, in the run's own folders.
open_file() {
    QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" \
        "$exe" "$1" >>"$out/program.log" 2>&1 &
    pid=$!
}

# A replay file named on the command line plays in the window at once.
corpus=$(cd "$(dirname "$0")/../tests/replay/corpus" && pwd)
cp "$corpus/01-default-runs-into.replay" "$work/shared.zingaroo"
open_file "$work/shared.zingaroo"
wid=$(xdotool search --sync --onlyvisible --name '^Zingaroo – Replay ×1$' | head -n 1)
[ -n "$wid" ] || fail "the replay file named on the command line was not shown"
wait_for 5 field_shown || fail "no field in the replay"
shot replay-file
kill -TERM "$pid"
wait_for 10 eval '! kill -0 $pid 2>/dev/null' || fail "the replay run did not end"
pid=
pass "a replay file named on the command line played in the window"
# A damaged one gives one box; the title stays and the file is as it was.
head -c 200 "$corpus/01-default-runs-into.replay" >"$work/damaged.zingaroo"
sum=$(sha256sum <"$work/damaged.zingaroo")
open_file "$work/damaged.zingaroo"
box=$(xdotool search --sync --onlyvisible --name '^Replay$' | head -n 1)
[ -n "$box" ] || fail "no box for a damaged replay file"
shot damaged-file
xdotool key Return
wait_for 5 eval "! xdotool search --onlyvisible --name '^Replay$' >/dev/null" ||
    fail "the box for a damaged file did not close"
wid=$(xdotool search --onlyvisible --name '^Zingaroo$' | head -n 1)
[ -n "$wid" ] || fail "the window's title changed after a damaged file"
wait_for 5 title_shown || fail "no title screen after a damaged file"
[ "$(sha256sum <"$work/damaged.zingaroo")" = "$sum" ] || fail "the damaged file was changed"
kill -TERM "$pid"
wait_for 10 eval '! kill -0 $pid 2>/dev/null' || fail "the damaged-file run did not end"
pid=
pass "a damaged replay file gave one box and changed nothing"

echo "e2e: $passed passed, 0 failed"
