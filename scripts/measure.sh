#!/usr/bin/env bash
# Prints the figures kept in the README: benchmarks of the rules, the picture and the sound,
# the installed size, the board server's (scripts/measure-board.sh), start-up beside a bare
# Qt window (the floor), and the running program,
# all under one virtual X server with a window manager and a private D-Bus session bus. With
# --before REV the program of that revision is built from a scratch worktree and measured in
# the same run, side by side.
# Usage: scripts/measure.sh BUILD_DIR [--before REV] [seconds]
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR [--before REV] [seconds]}" && pwd)
shift
before_rev=
if [ "${1:-}" = --before ]; then
    before_rev=${2:?--before needs a revision}
    shift 2
fi
seconds=${1:-10}
root=$(cd "$(dirname "$0")/.." && pwd)

if [ "${ZINGAROO_MEASURE_INNER:-}" != 1 ]; then
    # What the measured programs say on standard error, shown when a step fails.
    log=$build/measure.log
    : >"$log"
    scratch=
    finish() {
        [ $? -eq 0 ] || { echo "== $log" && tail -n 40 "$log"; } >&2
        [ -z "$scratch" ] || rm -rf "$scratch"
    }
    trap finish EXIT
    echo "== Benchmarks (medians of 5)"
    SDL_AUDIODRIVER=dummy "$build/bench/zingaroo_bench" --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true 2>>"$log" | grep -E '_median' | tee "$build/measure.bench"
    # Keeping the game in play: what one save costs the window's thread, the writing thread
    # writing meanwhile.
    awk '/^BM_AutosaveOnWindowThread.*_median/ {print "autosave, window'"'"'s thread per save of a half-hour game: " $2 " " $3 " (target < 1 ms)"}' \
        "$build/measure.bench"
    echo "== The game on the board (targets: 0 wake-ups; a stall under 50 ms)"
    QT_QPA_PLATFORM=offscreen "$build/bench/zingaroo_board_measure" 10 2>>"$log"

    echo "== Installed size"
    stage=$(mktemp -d)
    DESTDIR=$stage cmake --install "$build" --prefix /usr --strip >/dev/null
    du -sh --apparent-size "$stage/usr" | awk '{print "installed: " $1}'
    du -sh --apparent-size "$stage/usr/bin/zingaroo" | awk '{print "  executable: " $1}'
    rm -rf "$stage"

    # The board server on SQLite and PostgreSQL: uploads a second, reads under uploads, memory.
    bash "$root/scripts/measure-board.sh" "$build" 2>>"$log"

    before_build=
    if [ -n "$before_rev" ]; then
        # The older program, measured by this tree's measuring program so both sides are
        # measured alike.
        scratch=$(mktemp -d)
        echo "== Building $before_rev for comparison"
        mkdir "$scratch/src"
        git -C "$root" archive "$before_rev" | tar -x -C "$scratch/src"
        # This measuring program reaches the window through its test peers; a revision from
        # before them is measured by its own.
        if [ -f "$scratch/src/tests/shell/TForm1TestPeer.h" ]; then
            cp "$root/bench/ShellMeasure.cpp" "$scratch/src/bench/"
        fi
        launcher=()
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S "$scratch/src" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            "${launcher[@]}" >/dev/null
        if ! cmake --build "$scratch/build" -j2 --target zingaroo zingaroo_measure \
            >"$scratch/build.log" 2>&1; then
            tail -n 20 "$scratch/build.log" >&2
            echo "measure.sh: $before_rev does not build" >&2
            exit 1
        fi
        before_build=$scratch/build
    fi
    # Without a session bus Qt's menu bar and SDL's audio each try to start one, which
    # costs seconds.
    ZINGAROO_MEASURE_INNER=1 ZINGAROO_MEASURE_BEFORE=$before_build \
        dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" \
        bash "$0" "$build" "$seconds" 2>>"$log"
    exit 0
fi

# From here on: inside the virtual X server and the private bus.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy

# A window manager, as on a desktop: it frames the window, and the window shows when the frame
# is mapped. Ready once it has announced itself, and a moment later has taken over the screen.
if command -v openbox >/dev/null; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    trap 'kill "$wm" 2>/dev/null; rm -rf "$work"' EXIT
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
    sleep 0.5
else
    echo "no openbox: start-up is timed without a window manager" >&2
fi

# Sleeps until woken (voluntary context switches) and nanoseconds on a processor, summed over
# a process's threads.
runs_and_cpu() {
    local pid=$1 runs
    runs=$(cat /proc/"$pid"/task/*/status 2>/dev/null |
        awk '/^voluntary_ctxt_switches/ {n += $2} END {print n + 0}')
    cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk -v runs="$runs" '{ns += $1} END {print runs, ns}'
}

# A program copied into a folder of its own beside the sounds, so it plays them and its
# settings land there.
install_beside_sounds() {
    mkdir -p "$work/$1"
    cp "$2" "$work/$1/"
    cp -r "$3/shell/sound" "$work/$1/"
}

# The real program on its title screen, sampled from outside after 3 s: wake-ups per second
# of all its threads and the share of one core it uses. Works for any build of the program.
sample_program() {
    install_beside_sounds "game-$1" "$2/shell/zingaroo" "$2"
    "$work/game-$1/zingaroo" >/dev/null &
    local pid=$!
    sleep 3
    local first second start end
    first=$(runs_and_cpu "$pid")
    start=$(date +%s%N)
    sleep "$seconds"
    second=$(runs_and_cpu "$pid")
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$first $second $start $end" | awk '{s = ($6 - $5) / 1e9;
        printf "real program, wake-ups per second on the title: %.1f\n", ($3 - $1) / s;
        printf "real program, CPU on the title: %.2f\n", 100 * ($4 - $2) / 1e9 / s}'
}

declare -A builds=([after]=$build)
sides=(after)
if [ -n "${ZINGAROO_MEASURE_BEFORE:-}" ]; then
    builds[before]=$ZINGAROO_MEASURE_BEFORE
    sides=(before after)
fi
for side in "${sides[@]}"; do
    install_beside_sounds "measure-$side" "${builds[$side]}/bench/zingaroo_measure" "${builds[$side]}"
done
# Start-up beside the floor: exec to the window mapped, timed by a watcher that selects
# SubstructureNotify on the root window before it starts the program and stops at the first
# map of a managed top-level window (the window manager's frame around it). The processor time
# to that moment, and once settled for a second the resident memory and the shared libraries
# mapped (distinct .so files in /proc/PID/maps). The game with its default settings (sound on)
# and with PlaySound off; ten rounds, the programs taking turns so that all meet the same
# machine, and the medians.
mkdir -p "$work/floor"
cp "$build/bench/zingaroo_floor" "$work/floor/"
startup_programs=(floor)
for side in "${sides[@]}"; do
    for sound in on off; do
        install_beside_sounds "startup-$side-$sound" "${builds[$side]}/shell/zingaroo" "${builds[$side]}"
        startup_programs+=("$side-$sound")
    done
    printf '[Settings]\nSystemOptions=0,0,1,1\n' >"$work/startup-$side-off/settings.ini"
done
startup_program() {
    if [ "$1" = floor ]; then echo "$work/floor/zingaroo_floor"; else echo "$work/startup-$1/zingaroo"; fi
}
# A first round, not counted, brings every program's files into the cache.
for program in "${startup_programs[@]}"; do
    "$build/bench/zingaroo_startup_watch" 0 "$(startup_program "$program")" >/dev/null
done
for run in $(seq 10); do
    for program in "${startup_programs[@]}"; do
        "$build/bench/zingaroo_startup_watch" 1000 "$(startup_program "$program")" >>"$work/$program.startup"
    done
done
echo "== Start-up under Xvfb with openbox: exec to window mapped, median of 10 interleaved runs"
median_of() { awk -v f="$2" '{for (i = 1; i < NF; i++) if ($i == f) print $(i + 1)}' "$work/$1.startup" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
floor_ms=$(median_of floor mapped_ms)
echo "| Program | exec to mapped | ratio to floor | CPU to map | RSS | libraries |"
echo "|---|---|---|---|---|---|"
for program in "${startup_programs[@]}"; do
    ms=$(median_of "$program" mapped_ms)
    case $program in
    floor) name="floor: Qt Widgets window, two-menu bar, 432x324 centre" ;;
    *-on) name="${program%-on} (sound on)" ;;
    *-off) name="${program%-off} (sound off)" ;;
    esac
    echo "| $name | $ms ms | $(awk -v a="$ms" -v b="$floor_ms" 'BEGIN {printf "%.2f", a / b}') |" \
        "$(median_of "$program" cpu_ms) ms | $(median_of "$program" rss_mib) MiB | $(median_of "$program" libraries) |"
done

# One start-up varies by tens of milliseconds: the median of five, the sides taking turns so
# that both meet the same machine.
for run in 1 2 3 4 5; do
    for side in "${sides[@]}"; do
        "$work/measure-$side/zingaroo_measure" 0 | awk -F': ' '/^start-up/ {print $NF}' \
            >>"$work/$side.start-up"
    done
done
for side in "${sides[@]}"; do
    sort -n "$work/$side.start-up" | sed -n '3s/^/start-up, median of 5: /p' >"$work/$side.txt"
    "$work/measure-$side/zingaroo_measure" "$seconds" >>"$work/$side.txt"
    sample_program "$side" "${builds[$side]}" >>"$work/$side.txt"
done

echo "== The program under Xvfb, Speed 160, 24x18 field, $seconds s per figure"
grep -h -A1 "^wake-ups per second" "$work/after.txt"
# Figure | the measuring program's label | target.
figures=(
    "start-up to the first painted title, from the process start, median of 5 (10 ms resolution)|start-up, median of 5|ms|<= 300"
    "wake-ups per second on the title after 3 s, all threads|wake-ups per second on the title|/s|0"
    "the same, the real program sampled from outside|real program, wake-ups per second|/s|0"
    "wake-ups per second after game over, after 3 s|wake-ups per second after game over|/s|0"
    "wake-ups per second while paused, after 3 s|wake-ups per second while paused|/s|0"
    "wake-ups per second with the ball waiting for its launch|wake-ups per second with the ball waiting|/s|the step rate"
    "wake-ups per second in play, no sound playing|wake-ups per second in play, no sound|/s|<= 6.5"
    "wake-ups per second after game over with a pad made in the program, after 3 s|wake-ups per second after game over with a pad|/s|<= 1"
    "wake-ups per second while paused with that pad, after 3 s|wake-ups per second while paused with a pad|/s|<= 1"
    "wake-ups per second in play with that pad, read with the steps|wake-ups per second in play with a pad|/s|<= 6.5"
    "CPU on the title, % of one core|CPU on the title|%|<= 0.1"
    "the same, the real program sampled from outside|real program, CPU on the title|%|<= 0.1"
    "CPU in play, % of one core|CPU in play|%|<= 2"
    "period error, mean|period mean error|ms|<= +1"
    "period error, max|period max error|ms|"
    "shortest period's error|shortest period's error|ms|>= 0"
    "input latency, event posted to handler, median|input latency|ms|<= 1"
    "peak memory (max RSS)|peak memory|MiB|"
)
# Nothing when that side has no such figure (an older program has no pause).
value() {
    { grep -h "^$2" "$work/$1.txt" || true; } | head -1 | awk -F': ' '{print $NF}'
}
header="| Figure |"
rule="|---|"
for side in "${sides[@]}"; do
    header+=" $side |"
    rule+="---|"
done
echo "$header Target |"
echo "$rule---|"
for figure in "${figures[@]}"; do
    IFS='|' read -r name label unit target <<<"$figure"
    row="| $name |"
    for side in "${sides[@]}"; do
        v=$(value "$side" "$label")
        row+=" ${v:-n/a}${v:+ $unit} |"
    done
    echo "$row $target |"
done
