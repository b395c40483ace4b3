#!/usr/bin/env bash
# Builds the Debian packages, has lintian judge them, unpacks them into a scratch root, plays
# the unpacked program there under Xvfb (scripts/e2e.sh) and asks the unpacked board server
# for its health, without installing anything.
# Usage: scripts/check-package.sh BUILD_DIR   (the package is left in BUILD_DIR/package/)
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
scripts=$(cd "$(dirname "$0")" && pwd)
fail() {
    echo "package: FAILED: $*" >&2
    exit 1
}

if [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
# The package is the optimised build a packager makes: it must compile without a warning.
DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }werror" \
    bash "$scripts/package.sh" "$build/package" >"$build/package.log" 2>&1 ||
    { tail -n 40 "$build/package.log"; fail "the package did not build"; }
deb=$(echo "$build"/package/zingaroo_*.deb)
[ -f "$deb" ] || fail "no package in $build/package"
[ -f "$(echo "$build"/package/zingaroo-dbgsym_*.deb)" ] || fail "no debug symbols package"
board_deb=$(echo "$build"/package/zingaroo-board_*.deb)
[ -f "$board_deb" ] || fail "no zingaroo-board package in $build/package"
[ -f "$(echo "$build"/package/zingaroo-board-dbgsym_*.deb)" ] || fail "no board debug symbols package"

lintian --fail-on error,warning --info "$deb" "$board_deb" 2>/dev/null ||
    fail "lintian reported errors or warnings"
echo "package: ok: lintian reports no errors or warnings"

root=$(mktemp -d)
board_root=$(mktemp -d)
trap 'rm -rf "$root" "$board_root"' EXIT
dpkg-deb -x "$deb" "$root"
dpkg-deb -x "$board_deb" "$board_root"
for f in games/zingaroo share/games/zingaroo/sound/start.wav share/games/zingaroo/help/index.html \
    share/man/man6/zingaroo.6.gz share/applications/org.zingaroo.Zingaroo.desktop \
    share/metainfo/org.zingaroo.Zingaroo.metainfo.xml share/mime/packages/org.zingaroo.Zingaroo.xml \
    share/doc/zingaroo/copyright \
    share/icons/hicolor/256x256/apps/org.zingaroo.Zingaroo.png; do
    [ -e "$root/usr/$f" ] || fail "the package has no /usr/$f"
done
[ ! -e "$root/usr/bin" ] || fail "the package has /usr/bin"
[ ! -e "$root/usr/sbin" ] || fail "the game's package has the board server"
! readelf -S "$root/usr/games/zingaroo" | grep -q '\.debug_info' || fail "the program is not stripped"
echo "package: ok: program in /usr/games, data in /usr/share/games/zingaroo, stripped"

# One version throughout: the package, the metainfo's release and what the program says.
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.zingaroo.Zingaroo.metainfo.xml" ||
    fail "the metainfo has no release $version"
[ "$("$root/usr/games/zingaroo" --version)" = "zingaroo $version" ] || fail "the program is not $version"
echo "package: ok: version $version in the package, the metainfo and the program"

# The board: the server, its manual page, the hardened unit, the proxy's example and the API.
for f in usr/sbin/zingaroo-board usr/share/man/man8/zingaroo-board.8.gz \
    lib/systemd/system/zingaroo-board.service \
    usr/share/doc/zingaroo-board/examples/nginx-zingaroo-board.conf \
    usr/share/doc/zingaroo-board/board-api.md.gz usr/share/doc/zingaroo-board/copyright; do
    [ -e "$board_root/$f" ] || fail "the board's package has no /$f"
done
[ ! -e "$board_root/usr/games" ] || fail "the board's package has the game"
for setting in DynamicUser=yes StateDirectory=zingaroo-board ProtectSystem=strict \
    NoNewPrivileges=yes CapabilityBoundingSet=; do
    grep -qx "$setting" "$board_root/lib/systemd/system/zingaroo-board.service" ||
        fail "the unit does not say $setting"
done
board=$board_root/usr/sbin/zingaroo-board
! readelf -S "$board" | grep -q '\.debug_info' || fail "the board server is not stripped"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$board" --listen "127.0.0.1:$port" --db "sqlite:$board_root/board.db" 2>"$board_root/board.log" &
board_pid=$!
healthy=
for _ in $(seq 50); do
    curl -sf "http://127.0.0.1:$port/healthz" >/dev/null && { healthy=1; break; }
    sleep 0.1
done
kill "$board_pid"
wait "$board_pid" || true
[ -n "$healthy" ] || { cat "$board_root/board.log" >&2; fail "the unpacked board server did not answer /healthz"; }
echo "package: ok: the board server in /usr/sbin, stripped, answering; its unit hardened"

bash "$scripts/e2e.sh" "$build" "$root/usr/games/zingaroo"
echo "package: passed"
