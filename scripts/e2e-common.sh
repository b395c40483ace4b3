# What the end-to-end scripts share, sourced with $name set to the script's name in its reports:
# the report lines, the scratch folders the program runs in, and reading the virtual screen.

fail() {
    echo "$name: FAILED: $*" >&2
    exit 1
}
passed=${ZINGAROO_E2E_PASSED:-0}
pass() {
    passed=$((passed + 1))
    echo "$name: ok: $*"
}

# A fresh $out for screenshots and logs, and a scratch $work holding the program's folders,
# removed at the end. A failure or a timeout ends the game ($pid) too, not only the check.
make_workspace() {
    out=$1
    rm -rf "$out"
    mkdir -p "$out"
    work=$(mktemp -d)
    pid=
    trap cleanup EXIT
    trap 'exit 1' TERM INT HUP
    mkdir -p "$work/game" "$work/config" "$work/data" "$work/runtime"
    chmod 700 "$work/runtime"
}
cleanup() {
    [ -z "$pid" ] || { kill "$pid" && wait "$pid"; } 2>/dev/null || true
    rm -rf "$work"
}

# The colour of one screen pixel as "r,g,b".
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
# Runs the command until it succeeds, for at most $1 seconds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}
# How many pixels of one colour start the screen line "WIDTHxHEIGHT+X+Y"; empty if all do.
first_run() {
    import -window root -crop "$1" -depth 8 txt:- 2>/dev/null |
        awk 'NR == 2 {c = $2} NR > 2 && $2 != c && !n {n = NR - 2} END {if (n) print n}'
}
