#!/usr/bin/env bash
# Builds the Debian package, has lintian judge it, unpacks it into a scratch root and plays
# the unpacked program there under Xvfb (scripts/e2e.sh), without installing anything.
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

lintian --fail-on error,warning --info "$deb" 2>/dev/null || fail "lintian reported errors or warnings"
echo "package: ok: lintian reports no errors or warnings"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for f in games/zingaroo share/games/zingaroo/sound/start.wav share/games/zingaroo/help/index.html \
    share/man/man6/zingaroo.6.gz share/applications/org.zingaroo.Zingaroo.desktop \
    share/metainfo/org.zingaroo.Zingaroo.metainfo.xml share/mime/packages/org.zingaroo.Zingaroo.xml \
    share/doc/zingaroo/copyright \
    share/icons/hicolor/256x256/apps/org.zingaroo.Zingaroo.png; do
    [ -e "$root/usr/$f" ] || fail "the package has no /usr/$f"
done
[ ! -e "$root/usr/bin" ] || fail "the package has /usr/bin"
! readelf -S "$root/usr/games/zingaroo" | grep -q '\.debug_info' || fail "the program is not stripped"
echo "package: ok: program in /usr/games, data in /usr/share/games/zingaroo, stripped"

# One version throughout: the package, the metainfo's release and what the program says.
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.zingaroo.Zingaroo.metainfo.xml" ||
    fail "the metainfo has no release $version"
[ "$("$root/usr/games/zingaroo" --version)" = "zingaroo $version" ] || fail "the program is not $version"
echo "package: ok: version $version in the package, the metainfo and the program"

bash "$scripts/e2e.sh" "$build" "$root/usr/games/zingaroo"
echo "package: passed"
