#!/usr/bin/env bash
# Prints the figures kept in the README: benchmarks of the rules and the picture, the running
# program offscreen and under a virtual X server, and the installed size.
# Usage: scripts/measure.sh BUILD_DIR [seconds]
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR [seconds]}" && pwd)
seconds=${2:-10}
root=$(cd "$(dirname "$0")/.." && pwd)

echo "== Benchmarks (medians of 5)"
"$build/bench/zingaroo_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    2>/dev/null | grep -E '_median' || true

runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
echo "== The program offscreen"
XDG_RUNTIME_DIR=$runtime SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=offscreen \
    "$build/bench/zingaroo_measure" "$seconds" 2>/dev/null
if command -v xvfb-run >/dev/null; then
    echo "== The program under Xvfb"
    XDG_RUNTIME_DIR=$runtime SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
        xvfb-run -a -s "-screen 0 1024x768x24" "$build/bench/zingaroo_measure" "$seconds" 2>/dev/null
fi

echo "== Installed size"
stage=$(mktemp -d)
DESTDIR=$stage cmake --install "$build" --prefix /usr --strip >/dev/null
du -sh --apparent-size "$stage/usr" | awk '{print "installed: " $1}'
du -sh --apparent-size "$stage/usr/bin/zingaroo" | awk '{print "  executable: " $1}'
rm -rf "$stage"
