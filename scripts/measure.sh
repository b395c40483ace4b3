#!/usr/bin/env bash
# Prints the figures kept in the README: benchmarks of the rules, the picture and the sound,
# the installed size, and the running program under a virtual X server with a private D-Bus
# session bus. With --before REV the program of that revision is built from a scratch
# worktree and measured in the same run, side by side.
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
        --benchmark_report_aggregates_only=true 2>>"$log" | grep -E '_median'

    echo "== Installed size"
    stage=$(mktemp -d)
    DESTDIR=$stage cmake --install "$build" --prefix /usr --strip >/dev/null
    du -sh --apparent-size "$stage/usr" | awk '{print "installed: " $1}'
    du -sh --apparent-size "$stage/usr/bin/zingaroo" | awk '{print "  executable: " $1}'
    rm -rf "$stage"

    before_build=
    if [ -n "$before_rev" ]; then
        # The older program, measured by this tree's measuring program so both sides are
        # measured alike.
        scratch=$(mktemp -d)
        echo "== Building $before_rev for comparison"
        mkdir "$scratch/src"
        git -C "$root" archive "$before_rev" | tar -x -C "$scratch/src"
        cp "$root/bench/ShellMeasure.cpp" "$scratch/src/bench/"
        launcher=()
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S "$scratch/src" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            "${launcher[@]}" >/dev/null
        cmake --build "$scratch/build" -j2 --target zingaroo zingaroo_measure >/dev/null
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

# Scheduler runs and nanoseconds on a processor, summed over a process's threads.
runs_and_cpu() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1; runs += $3} END {print runs, ns}'
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
    "wake-ups per second in play, no sound playing|wake-ups per second in play|/s|<= 12"
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
