#!/usr/bin/env bash
# Plays the built game for real in a virtual X server: title, start, a paddle under the
# pointer, the Status box, the context menu, Exit; then checks the exit code, the settings
# file and the sound that reached the (disk) audio driver. Stops itself within a minute.
#
# Usage: scripts/e2e.sh BUILD_DIR   (screenshots go to BUILD_DIR/e2e/)
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
if [ "${ZINGAROO_E2E_INNER:-}" != 1 ]; then
    for tool in xvfb-run xdotool import convert; do
        command -v "$tool" >/dev/null || { echo "e2e: $tool is missing" >&2; exit 1; }
    done
    export ZINGAROO_E2E_INNER=1
    exec timeout -k 5 60 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$build"
fi

out=$build/e2e
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The program runs from a folder of its own, so its settings land there.
mkdir -p "$work/game" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/shell/zingaroo" "$work/game/"
cp -r "$build/shell/sound" "$build/shell/help" "$work/game/"

fail() {
    echo "e2e: FAILED: $*" >&2
    exit 1
}
pass() { echo "e2e: ok: $*"; }

# The colour of one screen pixel as "r,g,b".
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
shot() { import -window root "$out/$1.png"; }

QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" \
    XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    "$work/game/zingaroo" >"$out/program.log" 2>&1 &
pid=$!

wid=$(xdotool search --sync --onlyvisible --name '^Zingaroo$' | head -n 1)
[ -n "$wid" ] || fail "no window"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
shot title

# The client area is the block of the title colour under the menu bar.
title_rgb="64,0,255"
top=$Y
while [ "$(pixel $((X + 2)) "$top")" != "$title_rgb" ]; do
    top=$((top + 1))
    [ $top -lt $((Y + HEIGHT)) ] || fail "no title colour in the window"
done
client_w=$WIDTH
client_h=$((Y + HEIGHT - top))
[ "$(pixel $((X + client_w - 1)) $((Y + HEIGHT - 1)))" = "$title_rgb" ] || fail "title does not fill the client area"
[ "${client_w}x${client_h}" = "432x324" ] || fail "client area ${client_w}x${client_h}, expected 432x324"
pass "title screen in a 432x324 client area"

# Start, launch, then drop a slash paddle on cell (2, 2) with W.
xdotool mousemove $((X + 200)) $((top + 200)) click 1
sleep 0.3
xdotool click 1
cx=$((X + 2 * 18))
cy=$((top + 2 * 18))
xdotool mousemove $((cx + 9)) $((cy + 9))
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key w
sleep 0.3
shot paddle
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/playing.png"
# The slash bone has white at (11, 2) and (4, 10) of its tile; the backslash
# bone there is background, and the slash leaves (4, 2) as background.
[ "$(pixel $((cx + 11)) $((cy + 2)))" = "255,255,255" ] || fail "no slash paddle at cell (2, 2)"
[ "$(pixel $((cx + 4)) $((cy + 10)))" = "255,255,255" ] || fail "no slash paddle at cell (2, 2)"
[ "$(pixel $((cx + 4)) $((cy + 2)))" != "255,255,255" ] || fail "a backslash paddle at cell (2, 2)"
pass "W put a slash paddle under the pointer"

# F4 opens the Status box; Enter closes it.
xdotool key F4
status=$(xdotool search --sync --onlyvisible --name '^Status$' | head -n 1)
[ -n "$status" ] || fail "no Status box"
shot status
xdotool key Return
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Status$' >/dev/null || break
    sleep 0.1
done
! xdotool search --onlyvisible --name '^Status$' >/dev/null || fail "Status box did not close"
pass "F4 opened and Enter closed the Status box"

# A right click opens the context menu over the field; Escape closes it.
mx=$((X + 300))
my=$((top + 250))
before=$(pixel $((mx + 20)) $((my + 8)))
xdotool mousemove $mx $my click 3
sleep 0.5
shot menu
opened=$(pixel $((mx + 20)) $((my + 8)))
case "$opened" in
64,0,255 | 128,128,255) fail "no context menu at the pointer ($opened)" ;;
esac
xdotool key Escape
sleep 0.4
after=$(pixel $((mx + 20)) $((my + 8)))
[ "$after" != "$opened" ] || fail "context menu did not close"
pass "right click opened the context menu ($before -> $opened), Escape closed it"

# Game > Exit through the menu's access keys.
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key alt+g
sleep 0.3
xdotool key x
code=0
for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
kill -0 $pid 2>/dev/null && fail "the program did not end after Exit"
wait $pid || code=$?
[ $code -eq 0 ] || fail "exit code $code"
pass "Exit ended the program with exit code 0"

settings=$work/game/settings.ini
[ -f "$settings" ] || fail "no settings.ini"
for key in PlayOptions ViewOptions SystemOptions Others; do
    grep -q "^$key=" "$settings" || fail "settings.ini has no $key"
done
cp "$settings" "$out/settings.ini"
pass "settings.ini written with all four keys"

[ -s "$work/audio.raw" ] || fail "no audio reached the disk driver"
peak=$(od -An -v -t d2 -w2 "$work/audio.raw" | awk '{v=$1<0?-$1:$1; if (v>m) m=v} END {print m+0}')
[ "$peak" -gt 1000 ] || fail "only silence reached the audio driver (peak $peak)"
pass "the start sound reached the audio driver (peak sample $peak)"
echo "e2e: 7 passed, 0 failed"
